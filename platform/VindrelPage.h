#pragma once
#include <QWebEnginePage>

class FileSystem;

// A page whose local documents reach the addresses they write in Windows form through the
// drive map, as the program reaches its own.
class VindrelPage : public QWebEnginePage {
    Q_OBJECT
public:
    VindrelPage(QWebEngineProfile* profile, FileSystem& fs, QObject* parent);
};
