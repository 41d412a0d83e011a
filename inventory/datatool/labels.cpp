#include "inventory/datatool/labels.h"

#include "inventory/datatool/errors.h"
#include "inventory/datatool/hazards.h"
#include "inventory/datatool/inventory_file.h"
#include "inventory/datatool/qrcode.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDevice>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgRenderer>
#include <QTextLayout>

#include <algorithm>
#include <array>

namespace datatool {

namespace {

constexpr double kInch = 25.4;

// The makers' published geometry. The 70 x 37 mm and 99.1 x 38.1 mm sheets are the usual
// A4 ones for bottles; 2 5/8 x 1 in is the usual Letter address label.
constexpr std::array<LabelSheet, 3> kSheets = {{
    {"a4-3x8", QT_TRANSLATE_NOOP("Companion", "A4, 3 x 8 labels of 70 x 37 mm"), QPageSize::A4, 3, 8, 70, 37,
     0, 0.5, 70, 37},
    {"a4-2x7", QT_TRANSLATE_NOOP("Companion", "A4, 2 x 7 labels of 99.1 x 38.1 mm"), QPageSize::A4, 2, 7,
     99.1, 38.1, 4.65, 15.15, 101.6, 38.1},
    {"letter-3x10", QT_TRANSLATE_NOOP("Companion", "US Letter, 3 x 10 labels of 2 5/8 x 1 in"),
     QPageSize::Letter, 3, 10, 2.625 * kInch, 1 * kInch, 0.1875 * kInch, 0.5 * kInch, 2.75 * kInch,
     1 * kInch},
}};

constexpr int kResolution = 720; // dots per inch of the PDF's coordinates
constexpr double kMinPoints = 6;
constexpr double kStepPoints = 0.5;
constexpr int kAnyLines = 1000; // the name takes as many lines as the label has room for
// The smallest module that phones and handheld scanners still read from a label
// printed at 300 dpi (four dots).
constexpr double kMinModule = 0.33;
// The code's share of a wide label at most; the height of the label sets it otherwise.
constexpr double kCodeShare = 0.38;
constexpr double kSignalGap = 1.2; // between the pictograms and the signal word

const QColor kDangerRed(0xb0, 0x00, 0x00);
const QColor kGrey(0x55, 0x55, 0x55);

// Type sizes in points and the pictograms' side in millimetres: a 1-inch label is smaller.
struct Style
{
    double name, formula, place, signal, pictogram, gap;
};
Style styleFor(const LabelSheet& sheet)
{
    if (sheet.height < 30)
        return {8, 7.5, 6.5, 7.5, 7, 0.8};
    return {10.5, 9, 7.5, 9, 9, 1.2};
}

double dots(double mm)
{
    return mm * kResolution / kInch;
}
double millimetres(double dots)
{
    return dots * kInch / kResolution;
}
QRectF dots(const QRectF& mm)
{
    return {dots(mm.x()), dots(mm.y()), dots(mm.width()), dots(mm.height())};
}

QFont font(double points, bool bold = false)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setStyleHint(QFont::SansSerif);
    // No ligatures: a search of the PDF for "inflamáveis" finds it.
    f.setStyleStrategy(QFont::PreferNoShaping);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

// A value on one line: line breaks and tabs become spaces.
QString oneLine(QString text)
{
    for (QChar& c : text)
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QLatin1Char('\t'))
            c = QLatin1Char(' ');
    return text.simplified();
}

// Lines of text set in a font, ready to draw.
struct Block
{
    QFont font;
    QStringList lines;
    double lineSpacing = 0; // in dots
    double ascent = 0;
    double height() const { return lines.isEmpty() ? 0 : static_cast<double>(lines.size()) * lineSpacing; }
};

class Typesetter
{
public:
    explicit Typesetter(QPaintDevice* device) : device_(device) {}

    // The text in as few as maxPoints allows of the lines that fit in height (maxLines at
    // most), stepping down in size when it needs more, to kMinPoints; there its last line
    // ends in an ellipsis. Empty when not even one line fits.
    Block fit(const QString& text, double maxPoints, bool bold, double width, double height,
              int maxLines) const
    {
        Block block;
        if (text.isEmpty())
            return block;
        for (double points = maxPoints;; points -= kStepPoints) {
            const bool last = points - kStepPoints < kMinPoints - 1e-9;
            block.font = font(points, bold);
            const QFontMetricsF fm(block.font, device_);
            block.lineSpacing = fm.lineSpacing();
            block.ascent = fm.ascent();
            // The last line needs its ascent and descent only, not the leading below it.
            const int room = std::min(maxLines, static_cast<int>((height + fm.leading()) / fm.lineSpacing()));
            if (room < 1) {
                if (last)
                    return {};
                continue;
            }
            bool elided = false;
            block.lines = wrap(text, block.font, fm, width, room, &elided);
            if (!elided || last)
                return block;
        }
    }

private:
    QStringList wrap(const QString& text, const QFont& f, const QFontMetricsF& fm, double width, int maxLines,
                     bool* elided) const
    {
        QTextLayout layout(text, f, device_);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        QStringList lines;
        layout.beginLayout();
        *elided = false;
        for (;;) {
            QTextLine line = layout.createLine();
            if (!line.isValid())
                break;
            line.setLineWidth(width);
            if (lines.size() == maxLines - 1 && line.textStart() + line.textLength() < text.size()) {
                lines.append(fm.elidedText(text.mid(line.textStart()), Qt::ElideRight, width));
                *elided = true;
                break;
            }
            lines.append(text.mid(line.textStart(), line.textLength()).trimmed());
        }
        layout.endLayout();
        return lines;
    }

    QPaintDevice* device_;
};

// Our drawings of the pictograms, rendered once: the PDF then holds each picture once,
// however many labels show it.
std::array<QImage, kPictogramCount> renderPictograms(double sizeMm)
{
    const int pixels = static_cast<int>(sizeMm / kInch * 600);
    std::array<QImage, kPictogramCount> images;
    for (int i = 0; i < kPictogramCount; ++i) {
        QSvgRenderer svg(pictogramResource(static_cast<Pictogram>(i)));
        QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter, QRectF(0, 0, pixels, pixels));
        painter.end();
        images[static_cast<std::size_t>(i)] = image;
    }
    return images;
}

QString outputName(const QIODevice& out)
{
    const auto* file = qobject_cast<const QFileDevice*>(&out);
    return file ? QDir::toNativeSeparators(file->fileName()) : QString();
}

void escapeInto(QString& code, QStringView field)
{
    for (const QChar c : field) {
        switch (c.unicode()) {
        case '\\':
            code += QLatin1String("\\\\");
            break;
        case ';':
            code += QLatin1String("\\;");
            break;
        case '\n':
            code += QLatin1String("\\n");
            break;
        case '\r':
            code += QLatin1String("\\r");
            break;
        case '\t':
            code += QLatin1String("\\t");
            break;
        default:
            code += c;
        }
    }
}

class LabelPainter
{
public:
    LabelPainter(QPdfWriter& writer, QPainter& painter, const LabelSheet& sheet)
        : p_(painter), style_(styleFor(sheet)), type_(&writer),
          pictograms_(renderPictograms(style_.pictogram))
    {
        codeSide_ = std::min(sheet.height - 2 * kLabelMargin, kCodeShare * sheet.width);
        const int modules = static_cast<int>(codeSide_ / kMinModule) - 2 * QrCode::kQuietZone;
        maxVersion_ = std::clamp((modules - QrCode::sizeOfVersion(0)) / 4, 1, 40);
    }

    // Draws one record's label in the box, in millimetres on the page. Returns false when
    // its code did not fit.
    bool draw(const Record& record, const QRectF& box)
    {
        const QString name = record.string(store::NOME);
        const QString place = record.string(store::LOCAL);
        const QRectF inner = box.adjusted(kLabelMargin, kLabelMargin, -kLabelMargin, -kLabelMargin);
        const QRectF codeBox(inner.right() - codeSide_, box.center().y() - codeSide_ / 2, codeSide_,
                             codeSide_);
        const QrCode code = QrCode::encode(labelCode(name, place).toUtf8(), maxVersion_);
        if (code.isNull())
            drawNoCode(codeBox);
        else
            drawCode(code, codeBox);

        // The text column left of the code; the code's quiet zone keeps them apart.
        QRectF column(inner.left(), inner.top(), codeBox.left() - inner.left(), inner.height());
        const HazardLabel hazards = readHazards(record.string(store::HAZARDS));
        if (hazards.pictograms.any() || hazards.signal != SignalWord::None) {
            const double strip = style_.pictogram;
            drawHazards(hazards, QRectF(column.left(), column.bottom() - strip, column.width(), strip));
            column.setBottom(column.bottom() - strip - style_.gap);
        }
        drawTexts(oneLine(name), oneLine(record.string(store::FORMULA)), oneLine(place), column);
        return !code.isNull();
    }

private:
    void drawCode(const QrCode& code, const QRectF& box)
    {
        const double module = box.width() / (code.size() + 2 * QrCode::kQuietZone);
        p_.save();
        p_.translate(dots(box.left() + module * QrCode::kQuietZone),
                     dots(box.top() + module * QrCode::kQuietZone));
        p_.scale(dots(module), dots(module));
        p_.setPen(Qt::NoPen);
        p_.setBrush(Qt::black);
        const std::vector<QRect> rects = code.rectangles();
        p_.drawRects(rects.data(), static_cast<int>(rects.size()));
        p_.restore();
    }

    void drawNoCode(const QRectF& box)
    {
        const QRectF inside = box.adjusted(2, 2, -2, -2);
        const Block note = type_.fit(
            QCoreApplication::translate("Companion", "No code: the name and place are too long for one"),
            style_.place, false, dots(inside.width()), dots(inside.height()), 6);
        drawBlock(note, inside.topLeft(), kGrey);
    }

    void drawHazards(const HazardLabel& hazards, const QRectF& strip)
    {
        double signalWidth = 0;
        Block signal;
        if (hazards.signal != SignalWord::None) {
            signal = type_.fit(hazards.signalText, style_.signal, true, dots(strip.width()),
                               dots(strip.height()), 1);
            if (!signal.lines.isEmpty())
                signalWidth =
                    millimetres(
                        QFontMetricsF(signal.font, p_.device()).horizontalAdvance(signal.lines.first())) +
                    kSignalGap;
        }
        const auto shown = static_cast<double>(hazards.pictograms.count());
        double x = strip.left();
        if (shown > 0) {
            const double size = std::min(strip.height(), (strip.width() - signalWidth) / shown);
            for (int i = 0; i < kPictogramCount; ++i) {
                if (!hazards.has(static_cast<Pictogram>(i)))
                    continue;
                p_.drawImage(dots(QRectF(x, strip.bottom() - size, size, size)),
                             pictograms_[static_cast<std::size_t>(i)]);
                x += size;
            }
            x += kSignalGap;
        }
        if (!signal.lines.isEmpty()) {
            const double top = strip.center().y() - millimetres(signal.height()) / 2;
            drawBlock(signal, QPointF(x, top), hazards.signal == SignalWord::Danger ? kDangerRed : Qt::black);
        }
    }

    // The name on as many lines as it needs and the column allows, keeping a line at its
    // full size each for the formula and the place; then the formula on one line, then the
    // place on what is left, two lines at most.
    void drawTexts(const QString& name, const QString& formula, const QString& place, const QRectF& column)
    {
        const double width = dots(column.width());
        const double height = dots(column.height());
        const double reserved = oneLineHeight(formula, style_.formula) + oneLineHeight(place, style_.place);
        const Block nameBlock = type_.fit(name, style_.name, true, width, height - reserved, kAnyLines);
        const Block formulaBlock =
            type_.fit(formula, style_.formula, false, width, height - nameBlock.height(), 1);
        const Block placeBlock = type_.fit(place, style_.place, false, width,
                                           height - nameBlock.height() - formulaBlock.height(), 2);
        double y = column.top();
        drawBlock(nameBlock, QPointF(column.left(), y), Qt::black);
        y += millimetres(nameBlock.height());
        drawBlock(formulaBlock, QPointF(column.left(), y), Qt::black);
        y += millimetres(formulaBlock.height());
        drawBlock(placeBlock, QPointF(column.left(), y), kGrey);
    }

    double oneLineHeight(const QString& text, double points) const
    {
        return text.isEmpty() ? 0 : QFontMetricsF(font(points), p_.device()).lineSpacing();
    }

    void drawBlock(const Block& block, const QPointF& topLeftMm, const QColor& color)
    {
        p_.setFont(block.font);
        p_.setPen(color);
        for (qsizetype i = 0; i < block.lines.size(); ++i)
            p_.drawText(QPointF(dots(topLeftMm.x()), dots(topLeftMm.y()) + block.ascent +
                                                         static_cast<double>(i) * block.lineSpacing),
                        block.lines.at(i));
    }

    QPainter& p_;
    Style style_;
    Typesetter type_;
    std::array<QImage, kPictogramCount> pictograms_;
    double codeSide_ = 0;
    int maxVersion_ = 1;
};

} // namespace

QRectF LabelSheet::label(int index) const
{
    const int column = index % columns;
    const int row = index / columns;
    return {left + column * pitchX, top + row * pitchY, width, height};
}

std::span<const LabelSheet> labelSheets()
{
    return kSheets;
}

const LabelSheet& labelSheet(const QString& name)
{
    if (name.isEmpty())
        return kSheets.front();
    QStringList names;
    for (const LabelSheet& sheet : kSheets) {
        if (name.compare(QLatin1String(sheet.name), Qt::CaseInsensitive) == 0)
            return sheet;
        names.append(QLatin1String(sheet.name));
    }
    throw ToolError(UnknownSheet,
                    QCoreApplication::translate("Companion", "There is no label sheet '%1'. Name one of %2.")
                        .arg(name, names.join(QStringLiteral(", "))));
}

QString labelCode(QStringView name, QStringView place)
{
    QString code = QStringLiteral("QB1;");
    escapeInto(code, name);
    code += QLatin1Char(';');
    escapeInto(code, place);
    return code;
}

LabelResult printLabels(records::Database& db, QIODevice& out, const LabelOptions& options)
{
    const LabelSheet& sheet = labelSheet(options.sheet);
    RecordStream::Options streamOptions;
    streamOptions.byPlace = true;
    streamOptions.placeContains = options.placeContains;
    RecordStream stream(db, streamOptions);
    if (stream.count() == 0)
        throw ToolError(
            NothingToPrint,
            options.placeContains.isEmpty()
                ? QCoreApplication::translate(
                      "Companion", "The inventory '%1' holds no records, so there are no labels to print.")
                      .arg(options.fileLabel)
                : QCoreApplication::translate(
                      "Companion", "No storing place in '%1' has '%2' in its name, so there are no labels "
                                   "to print. Try a shorter part of the name, or leave out --location.")
                      .arg(options.fileLabel, options.placeContains));

    QPdfWriter writer(&out);
    writer.setPageSize(QPageSize(sheet.paper));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(kResolution);
    writer.setTitle(QCoreApplication::translate("Companion", "Labels"));
    writer.setCreator(QStringLiteral("quillarbon-data"));
    QPainter painter;
    if (!painter.begin(&writer))
        throw ToolError(OutputFailed,
                        QCoreApplication::translate(
                            "Companion", "The PDF '%1' could not be started. Check that the disk has "
                                         "room and that you may write there.")
                            .arg(outputName(out)));
    painter.setRenderHint(QPainter::Antialiasing);
    LabelPainter labels(writer, painter, sheet);
    LabelResult result;
    stream.forEach([&](const Record& record) {
        const int slot = static_cast<int>(result.labels % sheet.perSheet());
        if (slot == 0 && result.labels > 0)
            writer.newPage();
        if (!labels.draw(record, sheet.label(slot)))
            result.withoutCode.append(oneLine(record.string(store::NOME)));
        ++result.labels;
    });
    if (!painter.end())
        throw ToolError(OutputFailed,
                        QCoreApplication::translate(
                            "Companion", "The PDF '%1' could not be finished. Check that the disk has "
                                         "room and that you may write there.")
                            .arg(outputName(out)));
    result.pages = static_cast<int>((result.labels + sheet.perSheet() - 1) / sheet.perSheet());
    return result;
}

} // namespace datatool
