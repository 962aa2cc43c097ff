#pragma once

#include <QColor>
#include <QFont>
#include <QWidget>

#include <functional>

class CTheme;
class QAction;
class QActionGroup;
class QComboBox;
class QFontComboBox;
class QLabel;
class QPushButton;
class QToolButton;

/**
 * Font chooser content: family, editable size list, bold / italic /
 * underline, and a sample painted in the chosen font as it changes. With
 * showTextOptions() it also chooses the text's alignment and colour.
 * Hosted by CTextDlgWin; emits finished(true) on "Ok", finished(false) on
 * "Cancel".
 */
class CTextDlg : public QWidget
{
    Q_OBJECT
public:
    /**
     * @p theme may be null; it provides the style and the button pictures.
     * With @p pixels the size list counts pixels and the font stays sized in
     * pixels (report styles); otherwise it counts points.
     */
    CTextDlg(const QFont &font, const QString &sample, const CTheme *theme, QWidget *parent = nullptr,
             bool pixels = false);

    QFont currentFont() const { return m_font; }
    /** Shows the alignment and colour choices, preset with @p alignment flags (1 left, 4 centre, 2 right) and @p color. */
    void showTextOptions(int alignment, const QColor &color);
    bool hasTextOptions() const { return m_alignGroup != nullptr; }
    /** The chosen alignment flags and colour (the preset ones until changed). */
    int textAlignment() const { return m_alignment; }
    QColor textColor() const { return m_color; }
    /** Asks for the text colour; the default opens the colour dialog. Tests replace it. */
    void setColorChooser(std::function<QColor(const QColor &current, QWidget *owner)> chooser)
    {
        m_chooseColor = std::move(chooser);
    }
    QString sampleText() const;

    QFontComboBox *familyBox() const { return m_family; }
    QComboBox *sizeBox() const { return m_size; }
    QLabel *sampleLabel() const { return m_sample; }

signals:
    void finished(bool ok);

public slots:
    void OnTextFamily(const QString &family);
    void OnTextSize(const QString &size);
    void OnTextItalic();
    void OnTextBold();
    void OnTextUnderline();
    void OnTextAlign(QAction *action);
    void OnTextColor();
    void OnOk();
    void OnCancel();

private:
    QToolButton *styleButton(const QString &tip, const QString &picture, const QString &fallback,
                             const CTheme *theme);
    void showSample();

    const CTheme *m_theme = nullptr;
    QFont m_font;
    int m_alignment = 1;
    QColor m_color{Qt::black};
    QActionGroup *m_alignGroup = nullptr;
    QToolButton *m_colorButton = nullptr;
    std::function<QColor(const QColor &, QWidget *)> m_chooseColor;
    bool m_pixels = false;  ///< the font is sized in pixels; the size list then counts pixels
    QFontComboBox *m_family = nullptr;
    QComboBox *m_size = nullptr;
    QToolButton *m_bold = nullptr;
    QToolButton *m_italic = nullptr;
    QToolButton *m_underline = nullptr;
    QLabel *m_sample = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
};
