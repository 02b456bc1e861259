#pragma once
#include "PageTransform.h"

// Points the first "background" attribute of a line at an image: the value after the "="
// that follows the word becomes "file:///" + the image path. A quoted value keeps its quote
// kind and everything after its closing quote; an unquoted value runs to the first blank or
// ">". Lines without "background" (lower case) followed by an "=" are left as they are.
LineRule BackgroundRule(const QString& imagePath);

// A name holding neither "\" nor ":" lies in the home folder; any other is used as typed.
QString ResolveImagePath(const QString& homeFolder, const QString& name);
