// The graph window as a picture: saved as PNG or SVG, or copied to the clipboard.

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QPainter>

#include "AppState.h"
#include "core/CommandGuard.h"
#include "core/QtText.h"
#include "core/UiPort.h"
#include "graph/ChanImage.h"
#include "graph/GraphMenus.h"
#include "graph/GraphPicture.h"
#include "graph/GraphWindow.h"
#include "graph/StripWidgets.h"

namespace corv {

QImage GraphWindow::Picture() const {
    const double ratio = m_images->PixelRatio();
    const int top = PictureTop(m_layout);
    const QSize size(m_layout.screenWidth, m_layout.mainTimeScale.bottom + 2 - top);
    QImage picture(size * ratio, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter p(&picture);
    const auto place = [&](const TChanImage* image) {
        if (image == nullptr) return;
        const QRect r = image->geometry().translated(0, -top);
        p.drawImage(QRectF(r.x() * ratio, r.y() * ratio, r.width() * ratio, r.height() * ratio),
                    image->image());
    };
    for (int c = 0; c < kChannelCount; ++c) {
        place(m_images->StripImage(c));
        place(m_images->ScaleImage(c));
    }
    place(m_images->imgTime());
    return picture;
}

bool GraphWindow::SavePicture(const QString& file) {
    if (file.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        std::string svg;
        RunGuarded(m_ui, [&] { svg = GraphPictureSvg(m_state, m_ui, m_layout); });
        QFile out(file);
        const QByteArray bytes = QByteArray::fromStdString(svg);
        if (!svg.empty() && out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size())
            return true;
    } else if (Picture().save(file, "PNG")) {
        return true;
    }
    m_ui.Message(" Picture not saved: " + ToStd(file) + " cannot be written.", BoxKind::Error);
    return false;
}

void GraphWindow::CopyPicture() {
    QApplication::clipboard()->setImage(Picture());
}

void GraphWindow::WirePictureMenus() {
    m_menus->Connect(QStringLiteral("mniSavePicture"), [this] {
        QString filter = QStringLiteral("PNG picture (*.png)");
        const QString file = QFileDialog::getSaveFileName(
            this, QStringLiteral("Save picture"), QString(),
            QStringLiteral("PNG picture (*.png);;SVG picture, vector curves (*.svg)"), &filter);
        if (file.isEmpty()) return;
        const bool svg = filter.contains(QStringLiteral("svg")) ||
                         file.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive);
        QString name = file;
        if (!name.contains(QLatin1Char('.')))
            name += svg ? QStringLiteral(".svg") : QStringLiteral(".png");
        SavePicture(name);
    });
    m_menus->Connect(QStringLiteral("mniCopyPicture"), [this] { CopyPicture(); });
}

}  // namespace corv
