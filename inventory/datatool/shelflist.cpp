#include "inventory/datatool/shelflist.h"

#include "inventory/datatool/errors.h"
#include "inventory/datatool/hazards.h"
#include "inventory/datatool/inventory_file.h"
#include "inventory/safety/storagecheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDevice>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHash>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRawFont>
#include <QSvgRenderer>
#include <QTextLayout>

#include <array>
#include <bitset>
#include <map>
#include <utility>

namespace datatool {

namespace {

// The page, in millimetres.
constexpr double kMarginLeft = 14;
constexpr double kMarginRight = 14;
constexpr double kTop = 12;
constexpr double kTableTop = 27; // the column captions
constexpr double kRowsTop = 33;  // the first row
constexpr double kFooter = 15;   // from the footer's rule to the paper's edge
constexpr double kLegend = 11;   // above the footer: the pictograms of the page, named
constexpr double kLegendIcon = 4.5;
constexpr double kRowHeight = 13;
constexpr double kPictogramMax = 10.5;
constexpr int kResolution = 720; // dots per inch of the PDF's coordinates

// The columns' widths; the pictograms take what remains.
constexpr double kNameWidth = 61;
constexpr double kFormulaWidth = 26;
constexpr double kQuantityWidth = 26;
constexpr double kSignalWidth = 24;

const QColor kPictogramRed(0xe3, 0x00, 0x0f);
const QColor kDangerRed(0xb0, 0x00, 0x00);
const QColor kGrey(0x55, 0x55, 0x55);
const QColor kRule(0xbb, 0xbb, 0xbb);
const QColor kStripe(0xf3, 0xf3, 0xf3);

QPageSize pageSize(bool letter)
{
    return QPageSize(letter ? QPageSize::Letter : QPageSize::A4);
}

double rowsHeight(bool letter)
{
    return pageSize(letter).size(QPageSize::Millimeter).height() - kFooter - kLegend - kRowsTop;
}

QFont font(double points, bool bold = false)
{
    // Names come in any script: the Noto fonts (a dependency of the package) have what
    // DejaVu lacks, CJK and emoji among it.
    QFont f;
    f.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans"),
                   QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Noto Color Emoji")});
    f.setStyleHint(QFont::SansSerif);
    // No ligatures in Latin text: the PDF's text then reads, copies and searches as the
    // letters written ("fl", not one glyph "ﬂ"). Scripts that need shaping keep it.
    f.setStyleStrategy(QFont::PreferNoShaping);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

// A cell's text on one line: line breaks and tabs become spaces.
QString oneLine(QString text)
{
    for (QChar& c : text)
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QLatin1Char('\t'))
            c = QLatin1Char(' ');
    return text.simplified();
}

class Page
{
public:
    Page(QPdfWriter& writer, QPainter& painter) : writer_(writer), p_(painter) {}

    double mm(double v) const { return v * kResolution / 25.4; }
    QRectF mm(double x, double y, double w, double h) const { return QRectF(mm(x), mm(y), mm(w), mm(h)); }

    // Text in a box of the given lines at most, wrapped at words; the last line shown ends
    // in an ellipsis when the text goes on. Returns the number of lines drawn.
    int text(const QRectF& box, const QString& text, const QFont& f, const QColor& color, int maxLines,
             Qt::Alignment align = Qt::AlignLeft)
    {
        if (text.isEmpty())
            return 0;
        const QFontMetricsF fm(f, &writer_);
        QTextLayout layout(text, f, &writer_);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        QStringList lines;
        layout.beginLayout();
        for (;;) {
            QTextLine line = layout.createLine();
            if (!line.isValid())
                break;
            line.setLineWidth(box.width());
            if (lines.size() == maxLines - 1) {
                lines.append(fm.elidedText(text.mid(line.textStart()), Qt::ElideRight, box.width()));
                break;
            }
            lines.append(text.mid(line.textStart(), line.textLength()).trimmed());
        }
        layout.endLayout();
        noteMissingGlyphs(text, f);
        p_.setFont(f);
        p_.setPen(color);
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const double y = box.top() + fm.ascent() + static_cast<double>(i) * fm.lineSpacing();
            double x = box.left();
            if (align & Qt::AlignRight)
                x = box.right() - fm.horizontalAdvance(lines.at(i));
            else if (align & Qt::AlignHCenter)
                x = box.center().x() - fm.horizontalAdvance(lines.at(i)) / 2;
            drawLine(QPointF(x, y), lines.at(i), f, fm);
        }
        return static_cast<int>(lines.size());
    }

    QPainter& painter() { return p_; }

    // The characters without a glyph in the texts drawn since the last call.
    QString takeMissing() { return std::exchange(missing_, QString()); }

private:
    // A line as text the PDF keeps searchable; pieces that only a colour font has (emoji)
    // as pictures, since a PDF font cannot hold colour glyphs and would print nothing.
    void drawLine(const QPointF& at, const QString& line, const QFont& f, const QFontMetricsF& fm)
    {
        QPointF pen = at;
        QString piece;
        bool pictures = false;
        auto flush = [&] {
            if (pictures)
                drawPicture(pen, piece, f, fm);
            else
                p_.drawText(pen, piece);
            pen.rx() += fm.horizontalAdvance(piece);
            piece.clear();
        };
        for (const uint code : line.toUcs4()) {
            // Joiners, form selectors and skin tones stay with the piece they follow.
            const bool joins = !piece.isEmpty() &&
                               (QChar::category(code) == QChar::Other_Format ||
                                (code >= 0xFE00 && code <= 0xFE0F) || (code >= 0x1F3FB && code <= 0x1F3FF));
            const bool picture = joins ? pictures : onlyInColour(code, f);
            if (!piece.isEmpty() && picture != pictures)
                flush();
            pictures = picture;
            piece += QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1);
        }
        if (!piece.isEmpty())
            flush();
    }

    // Whether the character comes from a font whose glyphs are pictures, not outlines.
    bool onlyInColour(uint c, const QFont& f)
    {
        if (c < 0x2000)
            return false;
        auto known = colour_.find(c);
        if (known == colour_.end()) {
            QFont shaped = f;
            shaped.setStyleStrategy(QFont::PreferDefault);
            QTextLayout layout(QString::fromUcs4(reinterpret_cast<const char32_t*>(&c), 1), shaped, &writer_);
            layout.beginLayout();
            layout.createLine();
            layout.endLayout();
            // Colour glyphs live in tables of their own: bitmaps (CBDT, sbix), layers (COLR)
            // or pictures (SVG).
            bool colour = false;
            for (const QGlyphRun& run : layout.glyphRuns()) {
                const QRawFont font = run.rawFont();
                for (const char* table : {"CBDT", "sbix", "COLR", "SVG "})
                    colour = colour || !font.fontTable(table).isEmpty();
            }
            known = colour_.insert(c, colour);
        }
        return *known;
    }

    void drawPicture(const QPointF& baseline, const QString& piece, const QFont& f, const QFontMetricsF& fm)
    {
        const QSizeF size(fm.horizontalAdvance(piece), fm.height());
        QImage image(size.toSize() + QSize(1, 1), QImage::Format_ARGB32_Premultiplied);
        // The picture's pixels are the PDF's, so the font has the same size in both.
        image.setDotsPerMeterX(qRound(kResolution / 0.0254));
        image.setDotsPerMeterY(qRound(kResolution / 0.0254));
        image.fill(Qt::transparent);
        QPainter painter(&image);
        QFont shaped = f;
        shaped.setStyleStrategy(QFont::PreferDefault); // joined emoji need shaping
        painter.setFont(shaped);
        painter.drawText(QPointF(0, fm.ascent()), piece);
        painter.end();
        p_.drawImage(QRectF(QPointF(baseline.x(), baseline.y() - fm.ascent()), QSizeF(image.size())), image);
    }

    // Notes the characters that neither the font nor any font it falls back on has.
    void noteMissingGlyphs(const QString& text, const QFont& f)
    {
        for (const uint c : text.toUcs4()) {
            const auto category = QChar::category(c);
            // ASCII is in every font; marks that only choose a form (U+FE0F) draw nothing.
            if (c < 0x80 || category == QChar::Other_Format || category == QChar::Other_Control ||
                (c >= 0xFE00 && c <= 0xFE0F) || (c >= 0xE0100 && c <= 0xE01EF))
                continue;
            auto known = inSomeFont_.find(c);
            if (known == inSomeFont_.end())
                known = inSomeFont_.insert(c, QFontMetricsF(f, &writer_).inFontUcs4(c));
            const QString one = QString::fromUcs4(reinterpret_cast<const char32_t*>(&c), 1);
            if (!*known && !missing_.contains(one))
                missing_ += one;
        }
    }

    QPdfWriter& writer_;
    QPainter& p_;
    QString missing_;
    QHash<uint, bool> inSomeFont_;
    QHash<uint, bool> colour_;
};

// Our drawings of the pictograms, rendered once: the PDF then holds each picture once,
// however many rows show it.
std::array<QImage, kPictogramCount> renderPictograms(double sizeMm)
{
    const int pixels = static_cast<int>(sizeMm / 25.4 * 600);
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

// The warning at the top of a place's first page: the chemicals there that must be kept
// apart, a line per pair of groups.
struct StorageWarning
{
    QStringList lines;
    double height = 0; // mm, with the space below it
};

constexpr int kWarningLines = 4;
constexpr double kWarningTitle = 6.5;
constexpr double kWarningLine = 4.6;

std::map<QString, StorageWarning> storageWarnings(records::Database& db, const QString& placeContains)
{
    safety::CheckOptions options;
    options.examples = 2;
    if (!placeContains.isEmpty())
        options.placeChosen = [&](const QString& place, bool none) {
            return !none && placeMatches(place, placeContains);
        };
    options.tick = [] {
        throwIfStopped();
    };
    const safety::Scheme& scheme = safety::Scheme::builtIn();
    const safety::StorageReport report = safety::checkInventory(db, options);
    std::map<QString, StorageWarning> warnings;
    for (const safety::PlaceReport& place : report.places) {
        if (place.conflicts.empty())
            continue;
        auto side = [&](safety::Group g) {
            const safety::GroupTally& tally = place.tally(g);
            QString names = tally.examples.front().name;
            if (tally.count > 1)
                names += QCoreApplication::translate("Companion", " and %1 more").arg(tally.count - 1);
            return QStringLiteral("%1 (%2, %3)").arg(names, safety::Scheme::letter(g), scheme.noun(g));
        };
        StorageWarning w;
        for (const safety::Conflict& c : place.conflicts) {
            if (w.lines.size() == kWarningLines - 1 && place.conflicts.size() > kWarningLines) {
                w.lines.append(QCoreApplication::translate(
                                   "Companion",
                                   "… and %1 more pairs of groups: quillarbon-data check-storage lists them.")
                                   .arg(place.conflicts.size() - w.lines.size()));
                break;
            }
            w.lines.append(
                QCoreApplication::translate("Companion", "%1  with  %2").arg(side(c.first), side(c.second)));
        }
        w.height = kWarningTitle + kWarningLine * static_cast<double>(w.lines.size()) + 4;
        warnings.emplace(place.name, std::move(w));
    }
    return warnings;
}

QString outputName(const QIODevice& out)
{
    const auto* file = qobject_cast<const QFileDevice*>(&out);
    return file ? QDir::toNativeSeparators(file->fileName()) : QString();
}

// Draws the list page by page: a section's heading with its storage warning, the table's
// rows, and at each page's foot the pictograms it shows, named, and the footer.
class ShelfListPainter
{
public:
    ShelfListPainter(QPdfWriter& writer, QPainter& painter, const ShelfListOptions& options, int totalPages)
        : writer_(writer), p_(painter), page_(writer, painter), options_(options), totalPages_(totalPages),
          paper_(pageSize(options.letter).size(QPageSize::Millimeter)),
          width_(paper_.width() - kMarginLeft - kMarginRight),
          pictogramsWidth_(width_ - kNameWidth - kFormulaWidth - kQuantityWidth - kSignalWidth),
          pictograms_(renderPictograms(kPictogramMax))
    {}

    // Ends the page drawn so far and starts the next with the place's heading; the warning
    // goes on a section's first page only.
    void startPage(const RecordStream::Place& place, bool continued, const StorageWarning* warning)
    {
        if (pageNumber_ > 0) {
            footer();
            writer_.newPage();
        }
        ++pageNumber_;
        heading(place, continued, warning);
    }

    // The record in the given row of the page's table, the first being 0.
    void row(const Record& record, int index)
    {
        const double y = kRowsTop + shift_ + index * kRowHeight;
        if (index % 2 == 1)
            p_.fillRect(page_.mm(kMarginLeft, y, width_, kRowHeight), kStripe);
        rule(y + kRowHeight, kRule, 0.2);

        double x = kMarginLeft;
        const QString name = oneLine(record.string(store::NOME));
        const QString catalogue = oneLine(record.string(store::ALDRICH));
        // The catalogue name goes under a name that takes one line.
        const int nameLines =
            page_.text(page_.mm(x + 1.5, y + 1.2, kNameWidth - 3, 9), name, nameFont_, Qt::black, 2);
        if (nameLines < 2 && !catalogue.isEmpty() && catalogue != name)
            page_.text(page_.mm(x + 1.5, y + 6, kNameWidth - 3, 6), catalogue, catalogueFont_, kGrey, 2);
        x += kNameWidth;
        page_.text(page_.mm(x + 1.5, y + 1.2, kFormulaWidth - 3, 11), oneLine(record.string(store::FORMULA)),
                   cellFont_, Qt::black, 2);
        x += kFormulaWidth;
        page_.text(page_.mm(x + 1.5, y + 1.2, kQuantityWidth - 3, 11),
                   oneLine(record.string(store::QUANTIDADE)), cellFont_, Qt::black, 2);
        x += kQuantityWidth;

        const QString missing = page_.takeMissing();
        if (!missing.isEmpty() && options_.onUnprintable)
            options_.onUnprintable({name, currentPlace_, missing});

        const HazardLabel label = readHazards(record.string(store::HAZARDS));
        if (label.signal != SignalWord::None)
            page_.text(page_.mm(x + 1.5, y + 4.5, kSignalWidth - 3, 5), label.signalText, signalFont_,
                       label.signal == SignalWord::Danger ? kDangerRed : Qt::black, 1);
        x += kSignalWidth;

        onPage_ |= label.pictograms;
        const auto shown = static_cast<double>(label.pictograms.count());
        if (shown > 0) {
            const double size = std::min({kPictogramMax, kRowHeight - 1.5, (pictogramsWidth_ - 2) / shown});
            double px = x + 1;
            for (int i = 0; i < kPictogramCount; ++i) {
                if (!label.pictograms.test(static_cast<std::size_t>(i)))
                    continue;
                p_.drawImage(page_.mm(px, y + (kRowHeight - size) / 2, size, size),
                             pictograms_[static_cast<std::size_t>(i)]);
                px += size;
            }
        }
    }

    // Ends the last page.
    void finish() { footer(); }
    int pages() const { return pageNumber_; }

private:
    // A rule across the table at y millimetres from the top.
    void rule(double y, const QColor& color, double thickness)
    {
        p_.setPen(QPen(color, page_.mm(thickness)));
        p_.drawLine(QPointF(page_.mm(kMarginLeft), page_.mm(y)),
                    QPointF(page_.mm(kMarginLeft + width_), page_.mm(y)));
    }

    void heading(const RecordStream::Place& place, bool continued, const StorageWarning* warning)
    {
        const QString title =
            place.none ? QCoreApplication::translate("Companion", "(no location)") : oneLine(place.name);
        currentPlace_ = title;
        page_.takeMissing(); // the footer's, which names only the file
        page_.text(page_.mm(kMarginLeft, kTop, width_, 8), title, titleFont_, Qt::black, 1);
        QString subtitle = QCoreApplication::translate("Companion", "Shelf list · %1 %2")
                               .arg(place.count)
                               .arg(place.count == 1 ? QCoreApplication::translate("Companion", "chemical")
                                                     : QCoreApplication::translate("Companion", "chemicals"));
        if (continued)
            subtitle += QCoreApplication::translate("Companion", " · continued");
        page_.text(page_.mm(kMarginLeft, kTop + 8, width_, 5), subtitle, smallFont_, kGrey, 1);
        const QString missing = page_.takeMissing();
        if (!missing.isEmpty() && !continued && options_.onUnprintable)
            options_.onUnprintable({QString(), title, missing});

        shift_ = warning ? warning->height : 0;
        if (warning)
            warningBox(*warning);
        double x = kMarginLeft;
        const std::array<std::pair<double, QString>, 5> captions = {{
            {kNameWidth, QCoreApplication::translate("Companion", "CHEMICAL")},
            {kFormulaWidth, QCoreApplication::translate("Companion", "FORMULA")},
            {kQuantityWidth, QCoreApplication::translate("Companion", "QUANTITY")},
            {kSignalWidth, QCoreApplication::translate("Companion", "SIGNAL WORD")},
            {pictogramsWidth_, QCoreApplication::translate("Companion", "HAZARD PICTOGRAMS")},
        }};
        for (const auto& [w, caption] : captions) {
            page_.text(page_.mm(x + 1.5, kTableTop + shift_ + 1, w - 3, 4), caption, captionFont_, kGrey, 1);
            x += w;
        }
        rule(kRowsTop + shift_ - 0.5, Qt::black, 0.35);
    }

    void warningBox(const StorageWarning& w)
    {
        const double top = kTop + 14;
        const QRectF box = page_.mm(kMarginLeft, top, width_, w.height - 2);
        p_.fillRect(box, QColor(0xfd, 0xec, 0xec));
        p_.setPen(QPen(kDangerRed, page_.mm(0.6)));
        p_.drawRect(box);
        page_.text(page_.mm(kMarginLeft + 3, top + 1.5, width_ - 6, 5),
                   QCoreApplication::translate(
                       "Companion", "⚠ Storage warning: these chemicals must not share this place"),
                   warningTitleFont_, kDangerRed, 1);
        double y = top + 1.5 + kWarningTitle;
        for (const QString& line : w.lines) {
            page_.text(page_.mm(kMarginLeft + 3, y, width_ - 6, kWarningLine), line, warningFont_, Qt::black,
                       1);
            y += kWarningLine;
        }
    }

    // The pictograms shown on the page, named once at its foot for whoever does not know them.
    void legend()
    {
        double x = kMarginLeft;
        double y = paper_.height() - kFooter - kLegend + 1;
        const QFontMetricsF fm(smallFont_, &writer_);
        for (int i = 0; i < kPictogramCount; ++i) {
            if (!onPage_.test(static_cast<std::size_t>(i)))
                continue;
            const QString name = pictogramName(static_cast<Pictogram>(i));
            const double w = kLegendIcon + 1 + fm.horizontalAdvance(name) * 25.4 / kResolution + 4;
            if (x + w > kMarginLeft + width_) {
                x = kMarginLeft;
                y += kLegendIcon + 0.5;
            }
            p_.drawImage(page_.mm(x, y, kLegendIcon, kLegendIcon), pictograms_[static_cast<std::size_t>(i)]);
            page_.text(page_.mm(x + kLegendIcon + 1, y + 0.6, w, kLegendIcon), name, smallFont_, kGrey, 1);
            x += w;
        }
        onPage_.reset();
    }

    void footer()
    {
        legend();
        const double y = paper_.height() - kFooter;
        rule(y, kRule, 0.3);
        const QFontMetricsF fm(smallFont_, &writer_);
        // The file's name keeps clear of the date in the middle.
        const QString file = fm.elidedText(options_.fileLabel, Qt::ElideMiddle, page_.mm(width_ * 0.4));
        page_.text(page_.mm(kMarginLeft, y + 2, width_ * 0.4, 6), file, smallFont_, kGrey, 1);
        page_.text(page_.mm(kMarginLeft, y + 2, width_, 6), options_.date.toString(Qt::ISODate), smallFont_,
                   kGrey, 1, Qt::AlignHCenter);
        page_.text(
            page_.mm(kMarginLeft, y + 2, width_, 6),
            QCoreApplication::translate("Companion", "Page %1 of %2").arg(pageNumber_).arg(totalPages_),
            smallFont_, kGrey, 1, Qt::AlignRight);
    }

    QPdfWriter& writer_;
    QPainter& p_;
    Page page_;
    const ShelfListOptions& options_;
    const int totalPages_;
    const QSizeF paper_;
    const double width_;
    const double pictogramsWidth_;
    const std::array<QImage, kPictogramCount> pictograms_;

    const QFont titleFont_ = font(15, true);
    const QFont smallFont_ = font(8);
    const QFont captionFont_ = font(6.5, true);
    const QFont nameFont_ = font(9.5, true);
    const QFont catalogueFont_ = font(7.5);
    const QFont cellFont_ = font(9);
    const QFont signalFont_ = font(9, true);
    const QFont warningTitleFont_ = font(9.5, true);
    const QFont warningFont_ = font(8.5);

    std::bitset<kPictogramCount> onPage_;
    QString currentPlace_; // the section's title, as the warnings of its records name it
    double shift_ = 0;     // how far a warning moves the table down, in mm
    int pageNumber_ = 0;
};

} // namespace

int shelfListRowsPerPage(bool letter)
{
    return static_cast<int>(rowsHeight(letter) / kRowHeight);
}

ShelfListResult printShelfList(records::Database& db, QIODevice& out, const ShelfListOptions& options)
{
    RecordStream::Options streamOptions;
    streamOptions.byPlace = true;
    streamOptions.placeContains = options.placeContains;
    RecordStream stream(db, streamOptions);
    if (stream.count() == 0)
        throw ToolError(
            NothingToPrint,
            options.placeContains.isEmpty()
                ? QCoreApplication::translate(
                      "Companion", "The inventory '%1' holds no records, so there is nothing to print.")
                      .arg(options.fileLabel)
                : QCoreApplication::translate(
                      "Companion", "No storing place in '%1' has '%2' in its name, so there is nothing "
                                   "to print. Try a shorter part of the name, or leave out --location.")
                      .arg(options.fileLabel, options.placeContains));

    const int rowsPerPage = shelfListRowsPerPage(options.letter);
    // Read in the stream's transaction: the warnings and the rows show one state of the file.
    const std::map<QString, StorageWarning> warnings = storageWarnings(db, options.placeContains);
    auto warningOf = [&](const RecordStream::Place& place) -> const StorageWarning* {
        const auto it = place.none ? warnings.end() : warnings.find(place.name);
        return it == warnings.end() ? nullptr : &it->second;
    };
    // A warning takes the room of some rows on its place's first page.
    auto firstPageRows = [&](const RecordStream::Place& place) {
        const StorageWarning* w = warningOf(place);
        return w ? static_cast<int>((rowsHeight(options.letter) - w->height) / kRowHeight) : rowsPerPage;
    };
    ShelfListResult result;
    result.records = stream.count();
    result.places = static_cast<int>(stream.places().size());
    int totalPages = 0;
    for (const RecordStream::Place& place : stream.places()) {
        const std::int64_t rest = std::max<std::int64_t>(0, place.count - firstPageRows(place));
        totalPages += 1 + static_cast<int>((rest + rowsPerPage - 1) / rowsPerPage);
    }

    QPdfWriter writer(&out);
    writer.setPageSize(pageSize(options.letter));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(kResolution);
    writer.setTitle(QCoreApplication::translate("Companion", "Shelf list"));
    writer.setCreator(QStringLiteral("quillarbon-data"));
    QPainter painter;
    if (!painter.begin(&writer))
        throw ToolError(OutputFailed,
                        QCoreApplication::translate(
                            "Companion", "The PDF '%1' could not be started. Check that the disk has "
                                         "room and that you may write there.")
                            .arg(outputName(out)));
    ShelfListPainter list(writer, painter, options, totalPages);
    std::size_t placeIndex = 0;
    std::int64_t leftInPlace = -1;
    int row = 0;
    int rowsOnPage = rowsPerPage;
    stream.forEach([&](const Record& record) {
        // The records come place by place, as many as the places' counts say.
        const bool newPlace = leftInPlace <= 0;
        if (newPlace) {
            if (leftInPlace == 0)
                ++placeIndex;
            leftInPlace = stream.places().at(placeIndex).count;
        }
        const RecordStream::Place& place = stream.places().at(placeIndex);
        if (newPlace || row == rowsOnPage) {
            list.startPage(place, !newPlace, newPlace ? warningOf(place) : nullptr);
            rowsOnPage = newPlace ? firstPageRows(place) : rowsPerPage;
            row = 0;
        }
        list.row(record, row);
        ++row;
        --leftInPlace;
    });
    list.finish();
    if (!painter.end())
        throw ToolError(OutputFailed,
                        QCoreApplication::translate(
                            "Companion", "The PDF '%1' could not be finished. Check that the disk has "
                                         "room and that you may write there.")
                            .arg(outputName(out)));
    result.pages = list.pages();
    return result;
}

} // namespace datatool
