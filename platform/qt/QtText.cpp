#include "platform/qt/QtText.h"

#include <QFile>
#include <QStringDecoder>

namespace platform {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80-0x9F. The five bytes it
// leaves undefined map to the control characters of the same value, as the
// desktop's own conversion does.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98
};

QString FromWindows1252(std::string_view bytes)
{
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        text.append(QChar(byte >= 0x80 && byte < 0xA0 ? kWindows1252High[byte - 0x80] : char16_t{byte}));
    }
    return text;
}

}  // namespace

QString FromBytes(std::string_view bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return utf8.hasError() ? FromWindows1252(bytes) : text;
}

std::string PathBytes(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

QString WithoutMnemonic(const QString& text)
{
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&') {
            ++i;  // Keep what follows: the mnemonic letter, or the second '&' of "&&".
            if (i == text.size())
                break;
        }
        shown.append(text[i]);
    }
    return shown;
}

QString WithLiteralAmpersands(const QString& text)
{
    QString shown = text;
    return shown.replace(u'&', QStringLiteral("&&"));
}

QString LiteralWindowTitle(const QString& text)
{
    QString shown = text;
    return shown.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}

QString EditText(const QString& text)
{
    QString shown = text;
    return shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace platform
