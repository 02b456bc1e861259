#pragma once
#include <QString>

// Sizes, speeds and times of a download as the download window writes them, in Italian:
// "512 byte", "293 KB", "1,5 MB"; "1.572.864 byte"; "5 s", "2 min 10 s", "1 h 5 min".
QString SizeText(qint64 bytes);
QString ExactSizeText(qint64 bytes);
QString TimeLeftText(qint64 seconds);
