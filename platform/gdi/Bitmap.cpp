#include "platform/gdi/Bitmap.h"

#include "platform/afx/StringTable.h"

#include "platform/gdi/DC.h"

// The resources live in a static library; naming them here makes sure they are linked in.
BOOL CBitmap::LoadBitmap(UINT resourceId)
{
    AfxInitResources();
    QImage image(QStringLiteral(":/bitmaps/%1.png").arg(resourceId));
    if (image.isNull())
        return FALSE;
    auto data = std::make_shared<BitmapData>();
    data->image = image.convertToFormat(QImage::Format_RGB32);
    Adopt(std::move(data));
    return TRUE;
}

BOOL CBitmap::CreateCompatibleBitmap(CDC*, int width, int height)
{
    if (width <= 0 || height <= 0)
        return FALSE;
    auto data = std::make_shared<BitmapData>();
    data->image = QImage(width, height, QImage::Format_RGB32);
    if (data->image.isNull())
        return FALSE;
    data->image.fill(Qt::black);
    Adopt(std::move(data));
    return TRUE;
}

int CBitmap::GetBitmap(BITMAP* info) const
{
    const BitmapData* data = DataAs<BitmapData>();
    if (!data || !info)
        return 0;
    *info = BITMAP{0,
                   data->image.width(),
                   data->image.height(),
                   LONG(data->image.bytesPerLine()),
                   1,
                   WORD(data->image.depth()),
                   nullptr};
    return int(sizeof(BITMAP));
}

const QImage* CBitmap::GetImage() const
{
    const BitmapData* data = DataAs<BitmapData>();
    return data && !data->image.isNull() ? &data->image : nullptr;
}
