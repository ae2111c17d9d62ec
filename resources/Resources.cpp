#include "resources/Resources.h"

QString ArtworkPath(const QString& szName) {
    return QStringLiteral(":/") + szName;
}
