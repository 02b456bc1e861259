// Fuzz target: any bytes as an initialisation file must give a value or the default, never a
// crash, and never a value longer than the reader's buffer allows; as UTF-8, never a crash.
#include "platform/files/ProfileReader.h"
#include "platform/files/TextCodec.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString fallback = QStringLiteral("<default>");
    // The names a shortcut lookup uses, then names taken from the input's first bytes.
    const QString value = ProfileString(bytes, QStringLiteral("InternetShortcut"), QStringLiteral("URL"), fallback);
    const QString section = QString::fromLatin1(bytes.left(4));
    const QString key = QString::fromLatin1(bytes.mid(4, 3));
    const QString other = ProfileString(bytes, section, key, fallback);
    if (value.size() > 2047 || other.size() > 2047)
        std::abort();
    // The same bytes read as UTF-8: never more UTF-16 units than bytes.
    if (DecodeUtf8(bytes).size() > bytes.size())
        std::abort();
    return 0;
}
