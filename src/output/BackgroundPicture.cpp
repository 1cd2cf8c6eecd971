#include "output/BackgroundPicture.h"

#include "localize/MessageFormat.h"
#include "localize/Messages.h"
#include "model/CBackground.h"
#include "platform/FileIo.h"
#include "platform/QtCanvas.h"

#include <QBuffer>
#include <QImageReader>

namespace {

std::string NotShown(const CBackground& background, const std::string& reason)
{
    return FillPlaceholders(Msg(MsgBackgroundNotShown), {background.File, reason});
}

int ReadFailureMessage(ReadFailure failure)
{
    switch (failure) {
    case ReadFailure::NotRegularFile:
        return MsgNotRegularFile;
    case ReadFailure::TooLarge:
        return MsgBackgroundFileTooLarge;
    default:
        return MsgCannotReadFile;
    }
}

}  // namespace

std::optional<std::string> DecodeBackgroundPicture(CBackground& background)
{
    background.Picture.reset();
    if (!background.Present())
        return std::nullopt;
    ReadFailure failure{};
    const std::optional<std::string> bytes = ReadWholeFile(background.File, &failure);
    if (!bytes)
        return NotShown(background, Msg(ReadFailureMessage(failure)));
    QByteArray data = QByteArray::fromRawData(bytes->data(), static_cast<qsizetype>(bytes->size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAllocationLimit(static_cast<int>(MaxBackgroundPixels * 4 / (1 << 20)) + 1);
    const QSize size = reader.size();
    if (size.isValid() && int64_t{size.width()} * size.height() > MaxBackgroundPixels)
        return NotShown(background, FillPlaceholders(Msg(MsgBackgroundTooLarge),
                                                     {std::to_string(size.width()), std::to_string(size.height()),
                                                      std::to_string(MaxBackgroundPixels / 1'000'000)}));
    QImage image = reader.read();
    if (image.isNull())
        return NotShown(background, Msg(MsgBackgroundDamaged));
    background.Picture = std::make_shared<QtCanvasPicture>(image.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    return std::nullopt;
}

std::string PictureFilter()
{
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        patterns << "*." + QString::fromLatin1(format) << "*." + QString::fromLatin1(format).toUpper();
    return Msg(MsgPictureFiles) + " (" + patterns.join(' ').toStdString() + ")";
}
