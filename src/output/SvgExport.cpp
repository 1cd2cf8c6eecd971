#include "output/SvgExport.h"

#include "output/ImageExport.h"
#include "output/VectorPlan.h"
#include "platform/FileIo.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

bool IsSvgName(const std::string& fileName)
{
    return QByteArray::fromStdString(fileName).toLower().endsWith(".svg");
}

void SaveSvg(CRoom& room, const ImageExportOptions& options, const std::string& caption, const std::string& fileName)
{
    const VectorPlan plan(room, {.drawing = options, .scale = 1.0, .rasterScale = options.scale});
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setTitle(QFileInfo(QString::fromStdString(fileName)).completeBaseName());
    svg.setSize(plan.Size());
    svg.setViewBox(QRect(QPoint(0, 0), plan.Size()));
    // As an image's, so that text takes the size it has in the picture export.
    svg.setResolution(QImage(1, 1, QImage::Format_RGB32).logicalDpiY());
    {
        QPainter painter(&svg);
        plan.Draw(painter);
        if (!caption.empty())
            DrawInfoText(painter, plan.Size(), caption);
    }
    if (bytes.isEmpty())
        throw FileWriteError(fileName);
    WriteFileAtomically(fileName, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}
