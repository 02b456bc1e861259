#pragma once
#include <QString>

#include <cstdint>
#include <optional>

// Rules the browser window applies to address texts and download counts; no window needed.

// A local page: the first seven characters of the trimmed address are exactly "file://".
bool IsLocalAddress(const QString& address);

// Caption of the page button: " Modifica    pagina" on a local page, else webCaption.
inline const QString kEditPageCaption = QStringLiteral(" Modifica    pagina");
QString PageButtonCaption(const QString& address, const QString& webCaption);

// The path form of an address: "about:blank" and empty stay as they are (trimmed); otherwise
// the text after the first "file:///" (or the whole address) with every "/" turned into "\".
QString PathFormOfAddress(const QString& address);

// Letters of the download bar for done of total: 60 × done ÷ total, halves to the even
// neighbour, total 0 counting as nothing done. No value when the count is negative or too
// large for the bar's 16-bit counter: the bar is then left as it was.
std::optional<int> PercentBarLetters(std::int32_t done, std::int32_t total);
