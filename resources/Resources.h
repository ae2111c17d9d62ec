#pragma once

#include <QString>

// Path of a piece of artwork compiled into the program (":/<name>").
QString ArtworkPath(const QString& szName);
