#include "output/ImageExport.h"

#include "localize/MessageFormat.h"
#include "localize/Messages.h"
#include "model/CRoom.h"
#include "model/PlanRendering.h"
#include "model/ZoomLevels.h"
#include "platform/FileIo.h"
#include "platform/QtCanvas.h"

#include <QIODevice>
#include <QImageWriter>
#include <QPainter>

namespace {

void CheckSize(const CRoom& room, const PlanView& view)
{
    if (view.width < 1 || view.height < 1)
        throw ImageExportError(Msg(MsgNoAreaToDraw));
    if (!ImageFits(room, view.zoom))
        throw ImageExportError(FillPlaceholders(Msg(MsgPictureTooLarge),
                                                {std::to_string(view.width), std::to_string(view.height),
                                                 std::to_string(MaxImageSide),
                                                 std::to_string(MaxImagePixels / 1'000'000)}));
}

// Hands what is written on to the sink a megabyte at a time, so that a large picture is
// never held whole a second time.
class PieceWriter : public QIODevice {
public:
    explicit PieceWriter(const ByteSink& sink) : sink_(sink) { open(QIODevice::WriteOnly); }

    bool isSequential() const override { return true; }
    // Hands over the rest; false when any of it could not be written.
    bool Finish() { return HandOver(); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override
    {
        pending_.append(data, static_cast<size_t>(size));
        return pending_.size() < Piece || HandOver() ? size : -1;
    }

private:
    static constexpr size_t Piece = 1 << 20;

    bool HandOver()
    {
        ok_ = ok_ && (pending_.empty() || sink_(pending_));
        pending_.clear();
        return ok_;
    }

    const ByteSink& sink_;
    std::string pending_;
    bool ok_ = true;
};

bool IsPngName(const std::string& fileName)
{
    return QByteArray::fromStdString(fileName).toLower().endsWith(".png");
}

}  // namespace

QImage RenderRoomImage(CRoom& room, const ImageExportOptions& options)
{
    PlanView view = WholeRoomView(room, options.zoom * options.scale);
    CheckSize(room, view);
    view.showGrid = options.showGrid;
    view.showCaptions = options.showCaptions;
    view.showCollisions = options.showCollisions;
    view.showBackground = options.showBackground;
    QImage image(view.width, view.height, QImage::Format_RGB32);
    if (image.isNull())
        throw ImageExportError(FillPlaceholders(Msg(MsgNoMemoryForPicture),
                                                {std::to_string(view.width), std::to_string(view.height)}));
    image.setDevicePixelRatio(options.scale);
    PrepareForView(room, view);
    {
        QtCanvas canvas(image);
        if (options.floorOnly)
            DrawFloor(room, canvas, view);
        else
            DrawRoom(room, canvas, view);
    }
    return image;
}

std::string InfoText(const CRoom& room, const std::string& title, QDate date)
{
    return Msg(MsgRoom) + ": " + title + " (" + std::to_string(room.Width) + "×" + std::to_string(room.Height) +
           " " + room.UnitName + "), " + Msg(MsgCreated) + ": " + std::to_string(date.day()) + "." +
           std::to_string(date.month()) + "." + std::to_string(date.year());
}

void DrawInfoText(QImage& image, const std::string& text)
{
    QPainter painter(&image);
    // In the picture's layout, which its device pixel ratio scales.
    DrawInfoText(painter, image.deviceIndependentSize(), text);
}

void DrawInfoText(QPainter& painter, const QSizeF& size, const std::string& text)
{
    painter.setPen(Qt::black);
    const int lineHeight = painter.fontMetrics().height();
    painter.drawText(QRectF(0, size.height() - lineHeight, size.width(), lineHeight),
                     Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(text));
}

void SaveImage(const QImage& image, const std::string& fileName)
{
    WriteFileAtomically(fileName, [&](const ByteSink& sink) {
        PieceWriter device(sink);
        QImageWriter writer(&device, IsPngName(fileName) ? "png" : "bmp");
        return writer.write(image) && device.Finish();
    });
}
