// Corvandell: the main dialog, from which the channels are loaded into the graph window.
// One optional argument names a setup file to read after the automatic one.
// `--screenshot FILE SETUP` reads SETUP, presses Start, saves a picture of the graph window
// as FILE and quits: the package test and the screenshots use it; exit status 1 when no
// graph window opened.

#include <QApplication>
#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <optional>

#include "core/Application.h"
#include "core/FormControls.h"
#include "core/QtText.h"
#include "settings/Defaults.h"
#include "settings/MainDialog.h"

namespace {

// Presses Start once the event loop runs, then grabs the graph window when it has painted.
void StartAndGrab(corv::Application& program, const QString& file) {
    QTimer::singleShot(0, [&program, file] {
        program.Dialog().findChild<QPushButton*>(QStringLiteral("btnStart"))->click();
        QTimer::singleShot(500, [&program, file] {
            QWidget* graph = program.Dialog().GraphWindow();
            const bool saved = graph && graph->isVisible() && graph->grab().save(file);
            QApplication::exit(saved ? 0 : 1);
        });
    });
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvandell"));

    QStringList args = QApplication::arguments();
    std::optional<QString> screenshot;
    if (args.size() > 2 && args.at(1) == QStringLiteral("--screenshot")) {
        screenshot = args.at(2);
        args.remove(1, 2);
    }
    std::optional<std::filesystem::path> setupFile;
    if (args.size() > 1) setupFile = corv::ToPath(args.at(1));

    corv::Application program(corv::RunningExecutable(argc > 0 ? argv[0] : nullptr));
    if (!program.Start(setupFile)) return 1;
    program.SetQuitOnClose(true);
    corv::CentreOnScreen(&program.Dialog());
    program.Dialog().show();
    if (screenshot) StartAndGrab(program, *screenshot);
    return QApplication::exec();
}
