// Draws the program's ball pictures: for each colour (B blue, G green, R red, Y yellow) a plain
// ball and the balls 0 to 56 with their number, 24 x 24 pixels, as PNG files named "B.png",
// "B0.png" ... "Y56.png" in the folder given on the command line (resources/balls).
//
//     make_ball_pictures <output folder>

#include <QColor>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRadialGradient>
#include <cstdio>

namespace {

constexpr int kSize = 24;
constexpr int kHighestBall = 56;

struct BallColour {
    char letter;
    QColor base;
    QColor text;
};

QImage drawBall(const BallColour &colour, const QString &number)
{
    QImage image(kSize, kSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    // A lit sphere: light from the upper left, darker towards the lower right edge.
    const QRectF ball(0.5, 0.5, kSize - 1.0, kSize - 1.0);
    QRadialGradient shade(QPointF(kSize * 0.36, kSize * 0.32), kSize * 0.62);
    shade.setColorAt(0.0, colour.base.lighter(170));
    shade.setColorAt(0.45, colour.base);
    shade.setColorAt(1.0, colour.base.darker(190));
    painter.setPen(QPen(colour.base.darker(220), 0.8));
    painter.setBrush(shade);
    painter.drawEllipse(ball);

    if (!number.isEmpty()) {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setBold(true);
        font.setPixelSize(number.size() == 1 ? 12 : 10);
        font.setHintingPreference(QFont::PreferFullHinting);
        painter.setFont(font);
        const QRectF box(0, 0.5, kSize, kSize);
        const bool lightText = colour.text.lightness() > 128;
        painter.setPen(lightText ? QColor(0, 0, 0, 110) : QColor(255, 255, 255, 120));
        painter.drawText(box.translated(0.7, 0.7), Qt::AlignCenter, number);
        painter.setPen(colour.text);
        painter.drawText(box, Qt::AlignCenter, number);
    }
    painter.end();
    return image;
}

}  // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_ball_pictures <output folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.exists() && !QDir().mkpath(out.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }

    const BallColour colours[] = {
        {'B', QColor(32, 84, 204), QColor(255, 255, 255)},
        {'G', QColor(24, 150, 64), QColor(255, 255, 255)},
        {'R', QColor(206, 34, 34), QColor(255, 255, 255)},
        {'Y', QColor(246, 204, 28), QColor(40, 30, 0)},
    };
    int written = 0;
    for (const BallColour &colour : colours) {
        const QString letter(QChar::fromLatin1(colour.letter));
        for (int n = -1; n <= kHighestBall; ++n) {
            const QString number = n < 0 ? QString() : QString::number(n);
            const QString path = out.filePath(letter + number + QStringLiteral(".png"));
            if (!drawBall(colour, number).save(path, "PNG")) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
                return 1;
            }
            ++written;
        }
    }
    std::printf("%d pictures written to %s\n", written, qPrintable(out.path()));
    return 0;
}
