#pragma once

#include <QDialog>
#include <QImage>
#include <QVector>

class CTheme;
class QCheckBox;
class QComboBox;
class QFontComboBox;
class QPushButton;
class QTextCharFormat;
class QTextEdit;
class QToolButton;

/**
 * Rich-text editor for the per-value texts and pictures of one report field:
 * character styles, alignment, lists, undo within the shown value, and
 * "Restore standard text". Works on copies of the three lists and writes
 * them back only on "Ok".
 *
 * Use: CTextEditor ed(item.customTexts, item.images, item.useDefaultText,
 * ValueTexts::standardTexts(kind, id), kind, textTableFor(kind, id), theme);
 * ed.exec();
 */
class CTextEditor : public QDialog
{
    Q_OBJECT
public:
    CTextEditor(QVector<QString> &texts, QVector<QImage> &images, QVector<bool> &flags,
                const QVector<QString> &standardTexts, int reportKind, int tableKind, const CTheme *theme,
                QWidget *parent = nullptr);

    QComboBox *valueChooser() const { return m_values; }
    QTextEdit *textArea() const { return m_edit; }
    QCheckBox *defaultBox() const { return m_default; }
    /** The slot the chooser shows, or -1. */
    int currentSlot() const;
    // The working copies (what "Ok" would write).
    const QVector<QString> &workingTexts() const { return m_texts; }
    const QVector<QImage> &workingImages() const { return m_images; }
    const QVector<bool> &workingFlags() const { return m_flags; }
    /** The slot whose picture "Image" edits: 0, or the chosen slot for the celebrities report. */
    int imageSlot() const;
    /** The picture slot by reference, for the picture chooser. */
    QImage &imageRef();

public slots:
    void OnOk();
    void OnCancel();
    void OnTextBold();
    void OnTextItalic();
    void OnTextUnderline();
    void OnTextColor();
    void OnImage();
    void OnTextFamily(const QString &Family);
    void OnTextSize(const QString &SizeStr);
    void currentCharFormatChanged(const QTextCharFormat &format);
    void setCurList(int list);
    void defSet(bool on);
    void editText();
    void OnAlign(int alignment);
    void OnBulletList();
    void OnNumberedList();
    void OnRestoreStandard();

private slots:
    void OnCursorMoved();
    void OnAlignButton();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QToolButton *styleButton(const QString &tip, const QString &picture, const QString &fallback);
    QToolButton *rowButton(const QString &text, const QString &name, const QRect &geometry);
    void mergeFormat(const QTextCharFormat &format);
    void toggleList(int style);

    QVector<QString> &m_outTexts;
    QVector<QImage> &m_outImages;
    QVector<bool> &m_outFlags;
    QVector<QString> m_texts;
    QVector<QImage> m_images;
    QVector<bool> m_flags;
    QVector<QString> m_standard;
    int m_kind;
    int m_tableKind;
    const CTheme *m_theme;
    bool m_loading = false;

    QFontComboBox *m_family = nullptr;
    QComboBox *m_size = nullptr;
    QToolButton *m_bold = nullptr;
    QToolButton *m_italic = nullptr;
    QToolButton *m_underline = nullptr;
    QPushButton *m_color = nullptr;
    QPushButton *m_image = nullptr;
    QToolButton *m_align[4] = {};
    QToolButton *m_bullets = nullptr;
    QToolButton *m_numbers = nullptr;
    QToolButton *m_undo = nullptr;
    QToolButton *m_redo = nullptr;
    QPushButton *m_restore = nullptr;
    QComboBox *m_values = nullptr;
    QTextEdit *m_edit = nullptr;
    QCheckBox *m_default = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
};
