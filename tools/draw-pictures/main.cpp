// Draws the pictures of the stock payment buttons that the window shows beside its picture choices, and
// the program's icon. Usage: draw-pictures OUTPUT_FOLDER
//
// The pictures are small 256-colour BMPs, so every colour drawn here is mapped onto one fixed palette;
// with a fixed font and palette and no dithering the output is the same bytes on every run.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <climits>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// One row of a button's face, rows are stacked and centred.
enum class Row {
    None,
    Caption,  // bold dark-blue words, shrunk until they fit
    Logo,     // the service's name, two-tone italic bold
    Cards,    // a row of little card marks; size is their height
    LogoCards // the name and the card marks side by side
};

struct Line {
    Row row = Row::None;
    const char* text = "";
    int size = 0; // font pixel size, or the card height
};

struct Picture {
    const char* stem;
    int width;
    int height;
    bool cart; // a little cart before the first caption
    std::array<Line, 3> lines;
};

// clang-format off
const Picture Pictures[] = {
    // Single items
    {"x-click-but23", 68, 23, false, {{{Row::Caption, "Buy Now", 12}}}},
    {"x-click-but02", 62, 31, false, {{{Row::Caption, "Buy Now", 11}, {Row::Logo, "", 9}}}},
    {"x-click-but03", 62, 31, false, {{{Row::Caption, "Pay Now", 11}, {Row::Logo, "", 9}}}},
    {"x-click-but01", 62, 31, false, {{{Row::Caption, "Click here", 10}, {Row::Caption, "to buy", 10}}}},
    {"x-click-but9", 72, 23, false, {{{Row::Caption, "Pay Now", 12}}}},
    {"x-click-butcc", 73, 44, false, {{{Row::Caption, "Buy Now", 12}, {Row::Cards, "", 7}}}},
    {"x-click-but5", 150, 52, false, {{{Row::Caption, "Click here to purchase", 12}, {Row::LogoCards, "", 12}}}},
    {"x-click-but6", 150, 52, false,
     {{{Row::Caption, "Make payments with", 10}, {Row::Logo, "", 19}, {Row::Cards, "", 7}}}},
    // Subscriptions
    {"x-click-butcc-subscribe", 73, 44, false, {{{Row::Caption, "Subscribe", 12}, {Row::Cards, "", 7}}}},
    {"x-click-but20", 62, 31, false, {{{Row::Caption, "Subscribe", 11}, {Row::Logo, "", 9}}}},
    {"x-click-but06", 62, 31, false, {{{Row::Caption, "Subscribe", 11}, {Row::Caption, "Now", 10}}}},
    {"x-click-but30", 62, 31, false, {{{Row::Caption, "Sign Up", 11}, {Row::Logo, "", 9}}}},
    {"x-click-but31", 72, 32, false, {{{Row::Logo, "", 10}, {Row::Caption, "Subscribe", 11}}}},
    {"x-click-but24", 76, 23, false, {{{Row::Caption, "Subscribe", 12}}}},
    {"x-click-but28", 76, 21, false, {{{Row::Caption, "Sign Up Now", 11}}}},
    {"x-click-but29", 104, 21, false, {{{Row::Caption, "Subscribe Now", 11}}}},
    {"x-click-but12", 84, 23, false, {{{Row::Caption, "Join Now", 12}}}},
    // Shopping cart
    {"x-click-but22", 87, 23, false, {{{Row::Caption, "Add to Cart", 12}}}},
    {"sc-but-03", 106, 24, true, {{{Row::Caption, "Add to Cart", 12}}}},
    {"sc-but-01", 70, 35, false, {{{Row::Caption, "Add to Cart", 11}, {Row::Cards, "", 7}}}},
    {"x-click-but10", 90, 23, false, {{{Row::Caption, "Add to Basket", 11}}}},
    {"sc-but-02", 150, 52, true, {{{Row::Caption, "Add to Cart", 15}, {Row::LogoCards, "", 12}}}},
};
// clang-format on

const QColor White(255, 255, 255);
const QColor Outline(160, 108, 16);
const QColor FaceTop(255, 244, 190);
const QColor FaceMiddle(255, 212, 84);
const QColor FaceBottom(240, 158, 32);
const QColor Navy(14, 44, 112);
const QColor SkyBlue(40, 140, 214);
const QColor CardEdge(70, 70, 80);
const QColor CardBlue(28, 64, 160);
const QColor CardRed(214, 36, 44);
const QColor CardYellow(250, 196, 0);
const QColor CardOrange(240, 124, 20);
const QColor CardBand(44, 108, 196);

QColor Mix(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

QColor FaceAt(double t) {
    return t < 0.5 ? Mix(FaceTop, FaceMiddle, t * 2) : Mix(FaceMiddle, FaceBottom, t * 2 - 1);
}

// Every colour the buttons use, the steps of the face's gradient, and the in-between shades that the
// smoothed outline needs against the white corners and the face, and the smoothed text against the face.
QList<QRgb> ButtonPalette() {
    QList<QRgb> palette;
    for (const QColor& c :
         {White, Outline, Navy, SkyBlue, CardEdge, CardBlue, CardRed, CardYellow, CardOrange, CardBand})
        palette.append(c.rgb());
    constexpr int FaceSteps = 64;
    for (int i = 0; i < FaceSteps; ++i)
        palette.append(FaceAt(double(i) / (FaceSteps - 1)).rgb());
    for (int i = 1; i < 8; ++i) {
        palette.append(Mix(Outline, White, i / 8.0).rgb());
        palette.append(Mix(Outline, FaceTop, i / 8.0).rgb());
        palette.append(Mix(Outline, FaceMiddle, i / 8.0).rgb());
        palette.append(Mix(Outline, FaceBottom, i / 8.0).rgb());
    }
    for (int f = 0; f < 8; ++f)
        for (int i = 1; i < 6; ++i) {
            palette.append(Mix(Navy, FaceAt(f / 7.0), i / 6.0).rgb());
            palette.append(Mix(SkyBlue, FaceAt(f / 7.0), i / 6.0).rgb());
        }
    return palette;
}

int Nearest(QRgb pixel, const QList<QRgb>& palette) {
    int best = 0;
    int bestDistance = INT_MAX;
    for (int i = 0; i < palette.size(); ++i) {
        if (qAlpha(pixel) < 128 || qAlpha(palette[i]) < 128) {
            if ((qAlpha(pixel) < 128) == (qAlpha(palette[i]) < 128) && bestDistance > 0) {
                best = i;
                bestDistance = 0;
            }
            continue;
        }
        const int r = qRed(pixel) - qRed(palette[i]);
        const int g = qGreen(pixel) - qGreen(palette[i]);
        const int b = qBlue(pixel) - qBlue(palette[i]);
        const int distance = 3 * r * r + 4 * g * g + 2 * b * b;
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

// Our own nearest-colour mapping rather than Qt's, so the result never depends on the Qt version.
QImage ToIndexed(const QImage& image, const QList<QRgb>& palette) {
    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    QImage indexed(source.size(), QImage::Format_Indexed8);
    indexed.setColorTable(palette);
    // Clears the padding at the end of each row too, which the BMP writer copies out as it finds it.
    std::memset(indexed.bits(), 0, size_t(indexed.sizeInBytes()));
    for (int y = 0; y < source.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        uchar* out = indexed.scanLine(y);
        for (int x = 0; x < source.width(); ++x)
            out[x] = uchar(Nearest(in[x], palette));
    }
    // 96 dpi whatever the screen says, so the headers come out the same everywhere.
    indexed.setDotsPerMeterX(3780);
    indexed.setDotsPerMeterY(3780);
    return indexed;
}

// Smoothed text: at these sizes hard-pixel glyphs lose their bold strokes and the italic name falls
// apart, and the palette has the text-on-gold shades that smoothing needs.
QFont PixelFont(int pixelSize, bool bold, bool italic = false, bool smooth = true) {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    font.setHintingPreference(QFont::PreferFullHinting);
    if (!smooth)
        font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// The height that rows are centred on: capitals, no descenders, so captions sit in the optical middle.
int CapHeight(const QFont& font) {
    return QFontMetrics(font).capHeight();
}

void DrawFace(QPainter& p, int width, int height) {
    p.fillRect(0, 0, width, height, White);
    const double radius = std::min(height / 3.0, 9.0);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(0.5, 0.5, width - 1, height - 1), radius, radius);
    QLinearGradient gradient(0, 1, 0, height - 1);
    for (int i = 0; i <= 8; ++i)
        gradient.setColorAt(i / 8.0, FaceAt(i / 8.0));
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(Outline, 1));
    p.setBrush(gradient);
    p.drawPath(shape);
    p.setRenderHint(QPainter::Antialiasing, false);
}

// "PayPal" in two blues; the top-left corner of its capital letters is at (x, top).
void DrawLogo(QPainter& p, int x, int top, int size) {
    const QFont font = PixelFont(size, true, true);
    const QFontMetrics metrics(font);
    const int baseline = top + metrics.capHeight();
    p.setFont(font);
    p.setPen(Navy);
    p.drawText(x, baseline, QStringLiteral("Pay"));
    p.setPen(SkyBlue);
    p.drawText(x + metrics.horizontalAdvance(QStringLiteral("Pay")), baseline, QStringLiteral("Pal"));
}

int LogoWidth(int size) {
    return QFontMetrics(PixelFont(size, true, true)).horizontalAdvance(QStringLiteral("PayPal"));
}

constexpr int CardCount = 4;

int CardWidth(int height) {
    return height * 3 / 2 + 1;
}
int CardsWidth(int height) {
    return CardCount * CardWidth(height) + (CardCount - 1) * 2;
}

// Four made-up cards: no real marks, just colours a buyer reads as "cards accepted".
void DrawCards(QPainter& p, int x, int top, int height) {
    const int w = CardWidth(height);
    const int band = std::max(1, height / 4);
    for (int i = 0; i < CardCount; ++i) {
        const QRect card(x + i * (w + 2), top, w, height);
        const QRect inner = card.adjusted(1, 1, -1, -1);
        switch (i) {
        case 0:
            p.fillRect(inner, CardBlue);
            p.fillRect(inner.left(), inner.center().y(), inner.width(), band, CardYellow);
            break;
        case 1:
            p.fillRect(inner.left(), inner.top(), inner.width() / 2 + 1, inner.height(), CardRed);
            p.fillRect(inner.left() + inner.width() / 2 + 1, inner.top(),
                       inner.width() - inner.width() / 2 - 1, inner.height(), CardYellow);
            break;
        case 2:
            p.fillRect(inner, CardOrange);
            p.fillRect(inner.left() + 1, inner.bottom() - band, inner.width() / 2, band, White);
            break;
        default:
            p.fillRect(inner, White);
            p.fillRect(inner.left(), inner.top() + 1, inner.width(), band + 1, CardBand);
            break;
        }
        p.setPen(CardEdge);
        p.setBrush(Qt::NoBrush);
        p.drawRect(card.adjusted(0, 0, -1, -1));
    }
}

// A shopping cart about as tall as the capitals beside it: basket, handle and two wheels.
int CartWidth(int height) {
    return height + 3;
}

void DrawCart(QPainter& p, int x, int top, int height) {
    p.setPen(Navy);
    p.setBrush(Qt::NoBrush);
    const int w = CartWidth(height);
    const int basketTop = top + 2;
    const int basketBottom = top + height - 4;
    p.drawLine(x, top, x + 2, top); // handle
    p.drawLine(x + 2, top, x + 3, basketTop);
    // The basket: an open frame narrowing downwards, so it reads as a wire cart and not a blob.
    const int slant = (basketBottom - basketTop) / 2;
    p.drawLine(x + 3, basketTop, x + w - 1, basketTop);
    p.drawLine(x + 3, basketTop, x + 4, basketBottom);
    p.drawLine(x + w - 1, basketTop, x + w - 1 - slant, basketBottom);
    p.drawLine(x + 4, basketBottom, x + w - 1 - slant, basketBottom);
    p.drawLine(x + 4, basketBottom + 1, x + w - 2, basketBottom + 1); // frame under the basket
    p.fillRect(x + 4, basketBottom + 2, 2, 2, Navy);                  // wheels
    p.fillRect(x + w - 4, basketBottom + 2, 2, 2, Navy);
}

struct Placed {
    Line line;
    QFont font;
    int width;
    int height;
};

constexpr int Margin = 4; // between the outline and the widest row
constexpr int LogoCardsGap = 6;

Placed Measure(const Line& line, int room) {
    Placed placed{line, QFont(), 0, 0};
    switch (line.row) {
    case Row::Caption:
        for (int size = line.size; size >= 7; --size) {
            placed.font = PixelFont(size, true);
            placed.width = QFontMetrics(placed.font).horizontalAdvance(QString::fromUtf8(line.text));
            if (placed.width <= room)
                break;
        }
        placed.height = CapHeight(placed.font);
        break;
    case Row::Logo:
        placed.width = LogoWidth(line.size);
        placed.height = CapHeight(PixelFont(line.size, true, true));
        break;
    case Row::Cards:
        placed.width = CardsWidth(line.size);
        placed.height = line.size;
        break;
    case Row::LogoCards: {
        const int cards = line.size * 2 / 3;
        placed.width = LogoWidth(line.size) + LogoCardsGap + CardsWidth(cards);
        placed.height = std::max(CapHeight(PixelFont(line.size, true, true)), cards);
        break;
    }
    case Row::None:
        break;
    }
    return placed;
}

QImage DrawButton(const Picture& picture) {
    QImage image(picture.width, picture.height, QImage::Format_ARGB32);
    QPainter p(&image);
    DrawFace(p, picture.width, picture.height);

    std::vector<Placed> rows;
    for (const Line& line : picture.lines) {
        if (line.row == Row::None)
            continue;
        int room = picture.width - 2 * Margin;
        if (picture.cart && rows.empty())
            room -= CartWidth(CapHeight(PixelFont(line.size, true))) + 3;
        rows.push_back(Measure(line, room));
    }
    // Rows are apart by about a descender, more on the taller buttons where there is room to spare.
    const int gap = picture.height >= 40 ? 5 : 3;
    int total = 0;
    for (const Placed& row : rows)
        total += row.height;
    total += gap * int(rows.size() - 1);
    int top = (picture.height - total + 1) / 2;

    for (const Placed& row : rows) {
        int width = row.width;
        const bool cart = picture.cart && &row == &rows.front();
        if (cart)
            width += CartWidth(row.height) + 3;
        int x = (picture.width - width + 1) / 2;
        if (cart) {
            DrawCart(p, x, top, row.height);
            x += CartWidth(row.height) + 3;
        }
        switch (row.line.row) {
        case Row::Caption:
            p.setFont(row.font);
            p.setPen(Navy);
            p.drawText(x, top + row.height, QString::fromUtf8(row.line.text));
            break;
        case Row::Logo:
            DrawLogo(p, x, top, row.line.size);
            break;
        case Row::Cards:
            DrawCards(p, x, top, row.line.size);
            break;
        case Row::LogoCards: {
            const int cards = row.line.size * 2 / 3;
            const int logoHeight = CapHeight(PixelFont(row.line.size, true, true));
            DrawLogo(p, x, top + (row.height - logoHeight) / 2, row.line.size);
            DrawCards(p, x + LogoWidth(row.line.size) + LogoCardsGap, top + (row.height - cards) / 2, cards);
            break;
        }
        case Row::None:
            break;
        }
        top += row.height + gap;
    }
    p.end();
    return ToIndexed(image, ButtonPalette());
}

// The icon: a small gold button with a bold "C". Sixteen colours with index 0 transparent, as old
// icon files want.
QList<QRgb> IconPalette() {
    QList<QRgb> palette{qRgba(0, 0, 0, 0), White.rgb(), Outline.rgb(), Navy.rgb(), SkyBlue.rgb()};
    for (int i = 0; i < 8; ++i)
        palette.append(FaceAt(i / 7.0).rgb());
    palette.append(Mix(Navy, FaceMiddle, 0.5).rgb());
    palette.append(Mix(Outline, FaceTop, 0.5).rgb());
    palette.append(Mix(Navy, White, 0.5).rgb());
    return palette;
}

QImage DrawIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    // Hard edges: a half-transparent pixel has no place in a sixteen-colour icon.
    const double radius = size / 5.0;
    QPainterPath shape;
    shape.addRoundedRect(QRectF(0, 0, size, size), radius, radius);
    p.fillPath(shape, Outline);
    QPainterPath face;
    face.addRoundedRect(QRectF(1, 1, size - 2, size - 2), radius - 1, radius - 1);
    QLinearGradient gradient(0, 1, 0, size - 1);
    for (int i = 0; i <= 8; ++i)
        gradient.setColorAt(i / 8.0, FaceAt(i / 8.0));
    p.fillPath(face, gradient);

    // Sixteen colours leave no shades for smoothing, so the letter is hard pixels.
    const QFont font = PixelFont(size * 7 / 8, true, false, false);
    p.setFont(font);
    p.setPen(Navy);
    const QFontMetrics metrics(font);
    const QRect letter = metrics.tightBoundingRect(QStringLiteral("C"));
    p.drawText((size - letter.width() + 1) / 2 - letter.left(),
               (size - letter.height() + 1) / 2 - letter.top(), QStringLiteral("C"));
    p.end();
    return ToIndexed(image, IconPalette());
}

void Put16(QByteArray& out, int value) {
    out.append(char(value & 0xff));
    out.append(char((value >> 8) & 0xff));
}

void Put32(QByteArray& out, qint64 value) {
    Put16(out, int(value & 0xffff));
    Put16(out, int((value >> 16) & 0xffff));
}

// Qt's icon writer stores one image per file, so the two-size icon is put together here: each size as a
// 4-bit picture with its transparency mask, the form every version of Windows reads.
QByteArray IconFile(const std::vector<QImage>& images) {
    std::vector<QByteArray> entries;
    for (const QImage& image : images) {
        const int w = image.width();
        const int h = image.height();
        const int colourRow = (w * 4 + 31) / 32 * 4;
        const int maskRow = (w + 31) / 32 * 4;
        QByteArray data;
        Put32(data, 40);
        Put32(data, w);
        Put32(data, h * 2); // colour rows and mask rows together
        Put16(data, 1);
        Put16(data, 4);
        Put32(data, 0);
        Put32(data, (colourRow + maskRow) * h);
        Put32(data, 0);
        Put32(data, 0);
        Put32(data, 16);
        Put32(data, 0);
        for (int i = 0; i < 16; ++i) {
            const QRgb c = i < image.colorCount() && qAlpha(image.color(i)) ? image.color(i) : qRgb(0, 0, 0);
            data.append(char(qBlue(c)));
            data.append(char(qGreen(c)));
            data.append(char(qRed(c)));
            data.append(char(0));
        }
        auto transparent = [&](int x, int y) { return qAlpha(image.color(image.pixelIndex(x, y))) == 0; };
        for (int y = h - 1; y >= 0; --y) {
            QByteArray row(colourRow, 0);
            for (int x = 0; x < w; ++x) {
                const int index = transparent(x, y) ? 0 : image.pixelIndex(x, y);
                row[x / 2] = char(row[x / 2] | (x % 2 ? index : index << 4));
            }
            data.append(row);
        }
        for (int y = h - 1; y >= 0; --y) {
            QByteArray row(maskRow, 0);
            for (int x = 0; x < w; ++x)
                if (transparent(x, y))
                    row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
            data.append(row);
        }
        entries.push_back(data);
    }

    QByteArray out;
    Put16(out, 0);
    Put16(out, 1); // an icon, not a cursor
    Put16(out, int(images.size()));
    qint64 offset = 6 + 16 * qint64(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        out.append(char(images[i].width()));
        out.append(char(images[i].height()));
        out.append(char(16));
        out.append(char(0));
        Put16(out, 1);
        Put16(out, 4);
        Put32(out, entries[i].size());
        Put32(out, offset);
        offset += entries[i].size();
    }
    for (const QByteArray& entry : entries)
        out.append(entry);
    return out;
}

bool Save(const QImage& image, const QString& path, const char* format) {
    if (image.save(path, format))
        return true;
    std::fprintf(stderr, "draw-pictures: cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    // Nothing is shown, and the pictures must not depend on the desktop this runs on.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw-pictures OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "draw-pictures: cannot make %s\n", argv[1]);
        return 1;
    }
    const QFontInfo used(PixelFont(12, true));
    if (used.family() != QLatin1String("Liberation Sans"))
        std::fprintf(stderr, "draw-pictures: Liberation Sans is missing, drawing with %s\n",
                     qPrintable(used.family()));

    bool ok = true;
    for (const Picture& picture : Pictures)
        ok &= Save(DrawButton(picture), folder.filePath(QString::fromUtf8(picture.stem) + ".bmp"), "BMP");

    const std::vector<QImage> icons{DrawIcon(32), DrawIcon(16)};
    ok &= Save(icons[0], folder.filePath(QStringLiteral("corvane-32.png")), "PNG");
    ok &= Save(icons[1], folder.filePath(QStringLiteral("corvane-16.png")), "PNG");
    QFile ico(folder.filePath(QStringLiteral("corvane.ico")));
    if (!ico.open(QIODevice::WriteOnly) || ico.write(IconFile(icons)) < 0 || !ico.flush()) {
        std::fprintf(stderr, "draw-pictures: cannot write %s\n", qPrintable(ico.fileName()));
        ok = false;
    }
    return ok ? 0 : 1;
}
