#include "report/ClipboardKeeper.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QStringList>

namespace {

// The format under which a picture set as a picture is offered within the program.
const QString kQtImageFormat = QStringLiteral("application/x-qt-image");

} // namespace

ClipboardKeeper::ClipboardKeeper() {
    m_saved = Copy(QGuiApplication::clipboard()->mimeData());
}

ClipboardKeeper::~ClipboardKeeper() {
    Restore();
}

std::unique_ptr<QMimeData> ClipboardKeeper::Copy(const QMimeData* source) {
    if (source == nullptr) {
        return nullptr;
    }
    const QStringList formats = source->formats();
    if (formats.isEmpty()) {
        return nullptr;
    }
    auto copy = std::make_unique<QMimeData>();
    for (const QString& szFormat : formats) {
        if (szFormat == kQtImageFormat) {
            // Kept as a picture (not re-encoded), so it comes back exactly as it was.
            const QImage picture = qvariant_cast<QImage>(source->imageData());
            if (!picture.isNull()) {
                copy->setImageData(picture.copy());
            }
            continue;
        }
        const QByteArray data = source->data(szFormat);
        copy->setData(szFormat, QByteArray(data.constData(), data.size()));
    }
    if (source->hasImage() && !copy->hasImage()) {
        // A picture offered only in other formats is also kept as a picture.
        const QImage picture = qvariant_cast<QImage>(source->imageData());
        if (!picture.isNull()) {
            copy->setImageData(picture.copy());
        }
    }
    return copy;
}

void ClipboardKeeper::Restore() {
    if (m_bRestored) {
        return;
    }
    m_bRestored = true;
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (m_saved == nullptr) {
        clipboard->clear();
        return;
    }
    clipboard->setMimeData(m_saved.release());
}
