// Corvandell: the main dialog, from which the channels are loaded into the graph window.
// One optional argument names a setup file to read after the automatic one.

#include <QApplication>
#include <QStringList>
#include <optional>

#include "core/Application.h"
#include "core/FormControls.h"
#include "core/QtText.h"
#include "settings/Defaults.h"
#include "settings/MainDialog.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvandell"));

    std::optional<std::filesystem::path> setupFile;
    const QStringList args = QApplication::arguments();
    if (args.size() > 1) setupFile = corv::ToPath(args.at(1));

    corv::Application program(corv::RunningExecutable(argc > 0 ? argv[0] : nullptr));
    if (!program.Start(setupFile)) return 1;
    program.SetQuitOnClose(true);
    corv::CentreOnScreen(&program.Dialog());
    program.Dialog().show();
    return QApplication::exec();
}
