#pragma once
#include <QString>
#include <QUrl>
#include <functional>

// What an address handed to the browser control stands for.
struct AddressTarget {
    enum class Kind { Invalid, Blank, Web, LocalFile, Search };
    Kind kind = Kind::Invalid;
    QString text;     // Web, Search: the URL text; LocalFile: the Windows-form path
    QString fragment; // LocalFile: the place in the page after "#", empty when none
};

// Reads an address as the control does: "about:blank"; a web address, its "\" read as "/";
// a drive path, a rooted path or a "file:" address (a "#place" after an existing file's name is
// kept apart); a relative name for which isFile holds; words that name no host (a blank among
// them, or no dot, port, "localhost" nor "/" after the first word) are a Search for them;
// any other bare text is a web address on http. Blank text, or a text that makes no valid
// URL, is Invalid. isFile is asked about Windows-form paths only.
AddressTarget ReadAddress(const QString& address, const std::function<bool(const QString&)>& isFile);

// The search engine's own page, and its page of results for the words given.
inline const QString kSearchPage = QStringLiteral("https://www.google.it/");
QString SearchAddress(const QString& words);

// The address the control reports for a local file: "file:///" and the Windows-form path with
// forward slashes, nothing escaped ("file:///C:/my site/x.htm").
QString FileLocation(const QString& windowsPath);

// The Windows-form path that an address inside a page names, as the page wrote it or as the
// engine reports it: a drive letter, a colon and a "\" or "/", after "file:" and any number of
// slashes or on its own ("file://C:\HOME-PAG\X.HTM", "file:///C:/my%20site/x.htm", "C:\X.HTM",
// the engine's "c:%5CX.HTM"). Escapes are undone, "/" becomes "\", the letter is upper-cased and
// a "#place" or "?query" is left off. Empty for any other address.
QString PageWindowsPath(const QString& address);
// The same for an address the engine reports.
QString PageWindowsPath(const QUrl& address);
