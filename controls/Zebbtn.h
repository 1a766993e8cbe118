// A button made from a panel: a picture stretched over its face, the panel's bevel over the picture's edges
// and the caption on top; the bevel is lowered while the left mouse button is held down on it.
#pragma once

#include <QColor>
#include <QFrame>
#include <QPixmap>
#include <QString>

class QPainter;

class TZebBtn : public QFrame {
    Q_OBJECT
    Q_PROPERTY(QPixmap PictureImg READ pictureImg WRITE Set_Picture)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(TextAlignment Alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(int BevelWidth READ bevelWidth WRITE setBevelWidth)
    Q_PROPERTY(QColor Color READ color WRITE setColor)
    // The control paints its own frame; the inherited frame settings would do nothing.
    Q_PROPERTY(Shape frameShape READ frameShape WRITE setFrameShape DESIGNABLE false)
    Q_PROPERTY(Shadow frameShadow READ frameShadow WRITE setFrameShadow DESIGNABLE false)
    Q_PROPERTY(int lineWidth READ lineWidth WRITE setLineWidth DESIGNABLE false)
    Q_PROPERTY(int midLineWidth READ midLineWidth WRITE setMidLineWidth DESIGNABLE false)

public:
    enum TextAlignment { LeftJustify, RightJustify, Center };
    Q_ENUM(TextAlignment)
    enum class Bevel { None, Lowered, Raised };

    explicit TZebBtn(QWidget* parent = nullptr);
    ~TZebBtn() override;

    const QPixmap& pictureImg() const { return picture_; }
    // Takes a copy of `picture`: later changes to the caller's pixmap do not reach the button.
    void Set_Picture(const QPixmap& picture);
    // The setter name that uic generates for PictureImg.
    void setPictureImg(const QPixmap& picture) { Set_Picture(picture); }

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    TextAlignment alignment() const { return alignment_; }
    void setAlignment(TextAlignment alignment);
    int bevelWidth() const { return bevelWidth_; }
    // At least 1.
    void setBevelWidth(int width);
    // The border colour, and the face colour when there is no picture.
    QColor color() const { return color_; }
    void setColor(const QColor& color);

    // Raised, and lowered from a left-button press until the left button is released.
    Bevel bevelOuter() const { return bevelOuter_; }

    QSize sizeHint() const override;

signals:
    // A left-button press and release, both inside the control.
    void clicked();

protected:
    void Paint(QPainter& painter);
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void setBevelOuter(Bevel bevel);

    QPixmap picture_;
    QString caption_;
    TextAlignment alignment_ = Center;
    int bevelWidth_ = 1;
    QColor color_;
    Bevel bevelOuter_ = Bevel::Raised;
    Bevel bevelInner_ = Bevel::None;
    int borderWidth_ = 0;
    bool clickPending_ = false;
};

namespace Zebbtn {
// Makes TZebBtn known to the controls registry on the page "Samples".
void Register();
} // namespace Zebbtn
