// Draws the explorer's icons into PNG files: zavora-make-icons DIR.
// The pictures are plain drawings so that they can be remade in one step
// whenever one changes; the PNGs are committed and compiled into the plug-in.
#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <cmath>
#include <numbers>
#include <cstdio>
#include <functional>

namespace {

QString g_dir;

void Save(int number, const QImage& image)
{
    const QString path = QStringLiteral("%1/%2.png").arg(g_dir).arg(number);
    if (!image.save(path)) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

void Draw(int number, int size, const std::function<void(QPainter&)>& paint)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    paint(p);
    p.end();
    Save(number, image);
}

// Item icons: a rounded tile in the colour of the kind, with its letter.
void Tile(int number, QColor colour, const QString& letter)
{
    Draw(number, 16, [&](QPainter& p) {
        p.setPen(QPen(colour.darker(140), 1));
        p.setBrush(colour);
        p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
        QFont font("DejaVu Sans");
        font.setPixelSize(11);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, letter);
    });
}

const QColor kFunction(46, 125, 50), kVariable(21, 101, 192), kConstant(183, 28, 28), kClass(106, 27, 154),
    kSection(96, 96, 96), kParam(230, 81, 0), kLibrary(121, 85, 72), kSal(194, 24, 91), kMsg(0, 121, 107);
const QColor kInk(55, 71, 79);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: zavora-make-icons DIR\n");
        return 2;
    }
    g_dir = QString::fromLocal8Bit(argv[1]);

    Tile(7126, kSection, "?");          // unknown section
    Tile(7127, kLibrary, "L");          // library item
    Tile(7124, kFunction, "f");         // internal functions
    Tile(7128, kFunction.darker(120), "m");  // class functions
    Tile(7049, kVariable, "c");         // class variables
    Tile(7146, kVariable, "i");         // instance variables
    Tile(7015, kSection, "A");          // application
    Tile(7159, kClass.lighter(130), "R");  // resources
    Tile(7160, kVariable, "g");         // global variables
    Tile(7161, kLibrary, "I");          // libraries (includes)
    Tile(7051, kParam, "w");            // window parameters
    Tile(7163, kVariable, "v");         // window variables
    Tile(7164, kFunction.darker(120), "w");  // window functions
    Tile(7165, kMsg, "E");              // events
    Tile(7166, kConstant.lighter(120), "e");  // enumerations
    Tile(7167, kConstant.lighter(120), "n");  // enumeration values
    Tile(7050, kConstant, "K");         // user constants
    Tile(7147, kConstant.darker(120), "K");  // system constants
    Tile(7048, kParam, "p");            // parameters
    Tile(7045, kVariable, "l");         // local variables
    Tile(7046, kVariable, "s");         // static variables
    Tile(7148, kClass, "C");            // class definitions
    Tile(7149, kConstant, "k");         // constants section
    Tile(7053, kSection, "M");          // menus
    Tile(7129, kSal, "S");              // SAL system function
    Tile(7047, kParam, "r");            // returns
    Tile(7044, kMsg, "O");              // message actions (On ...)
    Tile(7058, kFunction, "o");         // late-bound callee
    Tile(7162, kSection, "x");          // other
    Tile(7061, kParam, ":");            // unresolved bind
    Tile(7059, kVariable.darker(120), ":");  // bind reference

    // Any statement: three lines of code.
    Draw(7011, 16, [](QPainter& p) {
        p.setPen(QPen(kInk, 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(2.5, 4), QPointF(13.5, 4));
        p.drawLine(QPointF(5, 8), QPointF(13.5, 8));
        p.drawLine(QPointF(5, 12), QPointF(11, 12));
    });

    // Toolbar, by command id.
    Draw(32788, 16, [](QPainter& p) {  // expand / collapse: arrows apart
        p.setPen(QPen(kInk, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(8, 2), QPointF(8, 14));
        p.drawPolyline(QPolygonF({QPointF(5, 5), QPointF(2, 8), QPointF(5, 11)}));
        p.drawPolyline(QPolygonF({QPointF(11, 5), QPointF(14, 8), QPointF(11, 11)}));
    });
    Draw(32786, 16, [](QPainter& p) {  // parse: a page with a run arrow
        p.setPen(QPen(kInk, 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(1.5, 1.5, 9, 12));
        p.setPen(QPen(kInk, 1));
        p.drawLine(QPointF(3.5, 5), QPointF(8.5, 5));
        p.drawLine(QPointF(3.5, 8), QPointF(8.5, 8));
        p.setPen(Qt::NoPen);
        p.setBrush(kFunction);
        p.drawPolygon(QPolygonF({QPointF(8, 7), QPointF(15, 11), QPointF(8, 15)}));
    });
    Draw(32781, 16, [](QPainter& p) {  // show references: magnifier
        p.setPen(QPen(kVariable, 2));
        p.setBrush(QColor(227, 242, 253));
        p.drawEllipse(QRectF(2, 2, 8, 8));
        p.setPen(QPen(kInk, 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(9.5, 9.5), QPointF(14, 14));
    });
    Draw(32787, 16, [](QPainter& p) {  // auto mode: clock
        p.setPen(QPen(kInk, 1.4));
        p.setBrush(QColor(255, 248, 225));
        p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        p.setPen(QPen(kConstant, 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8, 8), QPointF(8, 4));
        p.drawLine(QPointF(8, 8), QPointF(11, 10));
    });
    Draw(32793, 16, [](QPainter& p) {  // rename: text cursor in a field
        p.setPen(QPen(kInk, 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(0.5, 4.5, 15, 7));
        QFont font("DejaVu Sans");
        font.setPixelSize(7);
        font.setBold(true);
        p.setFont(font);
        p.drawText(QRectF(1, 4, 10, 8), Qt::AlignCenter, "ab");
        p.setPen(QPen(kVariable, 1.4));
        p.drawLine(QPointF(12.5, 2), QPointF(12.5, 14));
    });
    Draw(32794, 16, [](QPainter& p) {  // help
        p.setPen(Qt::NoPen);
        p.setBrush(kVariable);
        p.drawEllipse(QRectF(1, 1, 14, 14));
        QFont font("DejaVu Sans");
        font.setPixelSize(11);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, "?");
    });
    Draw(32803, 16, [](QPainter& p) {  // go to declaration: arrow to a line
        p.setPen(QPen(kInk, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(14, 2), QPointF(14, 14));
        p.drawLine(QPointF(2, 8), QPointF(11, 8));
        p.drawPolyline(QPolygonF({QPointF(8, 5), QPointF(11, 8), QPointF(8, 11)}));
    });

    // Tabs: references, unreferenced, preferences.
    Draw(7174, 16, [](QPainter& p) {
        p.setPen(QPen(kInk, 1.4, Qt::SolidLine, Qt::RoundCap));
        for (int y : {3, 8, 13}) p.drawLine(QPointF(6, y), QPointF(14, y));
        p.setPen(Qt::NoPen);
        p.setBrush(kVariable);
        for (int y : {3, 8, 13}) p.drawEllipse(QPointF(2.5, y), 1.6, 1.6);
    });
    Draw(7021, 16, [](QPainter& p) {
        p.setPen(QPen(kConstant, 1.8));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(2, 2, 12, 12));
        p.drawLine(QPointF(4, 12), QPointF(12, 4));
    });
    Draw(7156, 16, [](QPainter& p) {
        p.setPen(QPen(kInk, 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(1.5, 1.5, 13, 13));
        p.setPen(QPen(kFunction, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(4, 8), QPointF(7, 11), QPointF(12, 4.5)}));
    });

    // Fold button: open (points down) and folded (points right).
    Draw(7111, 16, [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        p.drawPolygon(QPolygonF({QPointF(3, 5), QPointF(13, 5), QPointF(8, 11)}));
    });
    Draw(7112, 16, [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        p.drawPolygon(QPolygonF({QPointF(5, 3), QPointF(11, 8), QPointF(5, 13)}));
    });
    // Caption: a list.
    Draw(7008, 16, [](QPainter& p) {
        p.setPen(QPen(Qt::white, 1.4));
        for (int y : {4, 8, 12}) p.drawLine(QPointF(3, y), QPointF(13, y));
    });
    // Save: a diskette.
    Draw(7138, 16, [](QPainter& p) {
        p.setPen(QPen(kInk, 1));
        p.setBrush(kVariable);
        p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1.5, 1.5);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 1.5, 7, 5));
        p.setBrush(QColor(207, 216, 220));
        p.drawRect(QRectF(3.5, 9.5, 9, 5));
    });
    // The filter editor. Caption: a funnel, white on the caption's grey.
    Draw(7055, 16, [](QPainter& p) {
        p.setPen(QPen(Qt::white, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(255, 255, 255, 150));
        p.drawPolygon(QPolygonF({QPointF(1.5, 2.5), QPointF(14.5, 2.5), QPointF(9.5, 8.5), QPointF(9.5, 14),
                                 QPointF(6.5, 12.5), QPointF(6.5, 8.5)}));
    });
    // Save as: the diskette with a pen across it.
    Draw(7137, 16, [](QPainter& p) {
        p.setPen(QPen(kInk, 1));
        p.setBrush(kVariable);
        p.drawRoundedRect(QRectF(0.5, 3.5, 11, 11), 1.5, 1.5);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3, 3.5, 6, 4));
        p.setBrush(QColor(207, 216, 220));
        p.drawRect(QRectF(2.5, 10, 7, 4.5));
        p.setPen(QPen(kParam.darker(120), 1));
        p.setBrush(kParam);
        p.drawPolygon(QPolygonF({QPointF(14, 0.5), QPointF(15.5, 2), QPointF(9, 8.5), QPointF(7, 9), QPointF(7.5, 7)}));
    });
    // Remove: a red cross.
    Draw(7141, 16, [](QPainter& p) {
        p.setPen(QPen(kConstant, 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
        p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
    });
    // New: a blank sheet with a folded corner and a green plus.
    Draw(7142, 16, [](QPainter& p) {
        p.setPen(QPen(kInk, 1));
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF({QPointF(2.5, 0.5), QPointF(9.5, 0.5), QPointF(12.5, 3.5), QPointF(12.5, 15.5),
                                 QPointF(2.5, 15.5)}));
        p.drawPolyline(QPolygonF({QPointF(9.5, 0.5), QPointF(9.5, 3.5), QPointF(12.5, 3.5)}));
        p.setPen(QPen(kFunction, 2.4, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(11, 8), QPointF(11, 15.5));
        p.drawLine(QPointF(7.2, 11.8), QPointF(14.8, 11.8));
    });
    // The default filter's mark: a gold star; the others' mark: its outline.
    const auto star = [](double cx, double cy, double outer, double inner) {
        QPolygonF points;
        for (int i = 0; i < 10; ++i) {
            const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
            const double r = (i % 2 == 0) ? outer : inner;
            points << QPointF(cx + r * std::cos(angle), cy + r * std::sin(angle));
        }
        return points;
    };
    Draw(7150, 16, [&](QPainter& p) {
        p.setPen(QPen(QColor(191, 134, 0), 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(255, 193, 7));
        p.drawPolygon(star(8, 8.6, 7.4, 3.1));
    });
    Draw(7151, 16, [&](QPainter& p) {
        p.setPen(QPen(QColor(176, 176, 176), 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(star(8, 8.6, 7.4, 3.1));
    });
    // The progress window's picture: a magnifier over an outline.
    Draw(7178, 64, [](QPainter& p) {
        p.setPen(QPen(kInk, 2, Qt::SolidLine, Qt::RoundCap));
        const int xs[] = {6, 12, 12, 18, 12, 6, 12};
        for (int i = 0; i < 7; ++i) {
            const int y = 8 + i * 7;
            p.drawLine(QPointF(xs[i], y), QPointF(xs[i] + 22, y));
        }
        p.setPen(QPen(kVariable, 4));
        p.setBrush(QColor(227, 242, 253, 200));
        p.drawEllipse(QRectF(26, 14, 24, 24));
        p.setPen(QPen(kInk, 6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(46, 34), QPointF(58, 46));
    });
    return 0;
}
