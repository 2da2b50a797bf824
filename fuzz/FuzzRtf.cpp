// The help viewer's RTF reader: damaged input of any kind neither crashes nor hangs it, and
// data that do not look like RTF are refused.
#include <QGuiApplication>
#include <QTextDocument>
#include <cstdlib>

#include "FuzzSupport.h"
#include "help/RtfReader.h"

using corv::fuzz::Check;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray rtf(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QTextDocument doc;
    QString error;
    const bool ok = corv::ReadRtf(rtf, doc, &error);
    if (!corv::LooksLikeRtf(rtf)) Check(!ok && doc.isEmpty(), "non-RTF is refused, empty");
    Check(ok || !error.isEmpty(), "a refusal says why");
    return 0;
}
