#include "app/Resources.h"

#include <QImageReader>
#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initKakeiboResources() { Q_INIT_RESOURCE(kakeibo); }

namespace kakeibo::shell {

void loadResources() {
    static const bool loaded = (initKakeiboResources(), true);
    Q_UNUSED(loaded);
}

QImage builtInPicture(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

}  // namespace kakeibo::shell
