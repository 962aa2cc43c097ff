#pragma once

#include <QColor>
#include <QDialog>
#include <QImage>
#include <QVector>

class CModLabel;
class CTheme;
class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;

/**
 * Colour chooser shared by the chart designer and the report manager.
 *
 * The colour is held as hue 0..359, saturation and value 0..255; the HSV and
 * RGB spin boxes, the spectrum marker, the value strip and the preview swatch
 * always show the same colour. The background variant adds a picture: "Add
 * Image", "Open File" and the choices own size / "Fit Size".
 *
 * Use: construct with the initial colour, exec(), then read color() (and for
 * backgrounds image() and mode()). mode() is 255 after Cancel.
 */
class CColorDialog : public QDialog
{
    Q_OBJECT
public:
    enum Variant { ColourOnly, Background };
    /** Background modes; 255 means the dialog was cancelled. */
    enum Mode {
        ModeColour = 0,
        ModeImageOwnSize = 1,
        ModeImageFit = 2,
        ModeColourOwnSize = 3,
        ModeColourFit = 4,
        ModeCancelled = 255
    };

    /** @p theme may be null (no styling). */
    explicit CColorDialog(const QColor &color, Variant variant = ColourOnly,
                          const CTheme *theme = nullptr, QWidget *parent = nullptr);

    /** Presets the background part: the picture and the mode it was stored with. */
    void setBackground(const QImage &image, int mode);

    /** Colour from hue, saturation and value with alpha 255. */
    QColor color() const;
    QImage image() const { return m_image; }
    /** Result mode (see Mode); 255 before OK or after Cancel. */
    int mode() const { return m_mode; }
    Variant variant() const { return m_variant; }

    int hue() const { return m_h; }
    int saturation() const { return m_s; }
    int value() const { return m_v; }

    /** Sets the colour as if the user had typed it (updates every control). */
    void setColor(const QColor &color);

    /** Size of the spectrum and the value strip in pixels. */
    static QSize spectrumSize() { return QSize(240, 200); }

public slots:
    void slotClickSpector(QPoint pos);
    void slotClickSpectorLine(QPoint pos);
    void slotSelBasicColor(QColor &color);
    void slotStRGB();
    void slotStHSV();
    void slotAddImage(bool on);
    void slotLoadImage();
    void slotSetImage();
    void slotOk();
    void slotCancel();
    /** Loads a picture without the file dialog; false if it is not a picture. */
    bool loadImageFile(const QString &path);

public:
    void reject() override;

private slots:
    void OnOwnSize(bool on);
    void OnFitSize(bool on);

private:
    void buildColourPart();
    void buildBackgroundPart();
    void refresh();
    void paintSpectrum();
    void paintValueStrip();
    QSpinBox *spin(const QString &label, int max, int row, int col);

    Variant m_variant;
    int m_h = 0;
    int m_s = 0;
    int m_v = 0;
    int m_mode = ModeCancelled;
    QImage m_image;
    QImage m_spectrumBase;
    bool m_updating = false;

    class QGridLayout *m_spinGrid = nullptr;
    CModLabel *m_spectrum = nullptr;
    CModLabel *m_valueStrip = nullptr;
    QVector<CModLabel *> m_basic;
    QSpinBox *m_hue = nullptr;
    QSpinBox *m_sat = nullptr;
    QSpinBox *m_val = nullptr;
    QSpinBox *m_red = nullptr;
    QSpinBox *m_green = nullptr;
    QSpinBox *m_blue = nullptr;
    QLabel *m_preview = nullptr;

    QCheckBox *m_addImage = nullptr;
    QPushButton *m_openFile = nullptr;
    QCheckBox *m_ownSize = nullptr;
    QCheckBox *m_fitSize = nullptr;
    QLabel *m_imagePreview = nullptr;

    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
};
