#pragma once

// The model's texts are bytes. These turn them into what a Qt widget shows,
// so that every peer reads a text the same way.

#include <QString>

#include <string>
#include <string_view>

namespace platform {

// Valid UTF-8 is read as UTF-8; anything else as Windows-1252, the code page
// that old word lists were written in.
QString FromBytes(std::string_view bytes);
// A path the desktop gave us, as the bytes the file system expects.
std::string PathBytes(const QString& path);

// A mnemonic '&' is dropped and "&&" becomes one '&': what a static shows.
QString WithoutMnemonic(const QString& text);
// Every '&' doubled, so that a Qt button or title shows it literally.
QString WithLiteralAmpersands(const QString& text);
// Qt reads "[*]" in a window title as a placeholder; doubling keeps it.
QString LiteralWindowTitle(const QString& text);
// The model's "\r\n" line breaks as the line breaks of a Qt text edit.
QString EditText(const QString& text);

}  // namespace platform
