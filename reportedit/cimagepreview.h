#pragma once

#include <QDialog>
#include <QImage>

class CTheme;
class QLabel;
class QPushButton;

/**
 * Picture chooser of the text editor: shows the picture of one slot, opens
 * another, or sets "Default" (no picture). Works on a copy and writes the
 * slot only on "Ok".
 */
class CImagePreview : public QDialog
{
    Q_OBJECT
public:
    /** @p image is the slot; it is written only on "Ok". */
    CImagePreview(QImage &image, int reportKind, const CTheme *theme, QWidget *parent = nullptr);

    /** The picture as chosen so far. */
    QImage current() const { return m_current; }

    /**
     * A loaded picture as the report keeps it: fitted into 126 x 126, or for
     * the celebrities report (kind 3) into 460 x 460 only when larger.
     */
    static QImage fitPicture(const QImage &image, int reportKind);

    /** Loads and fits a picture file; false when it is not a readable picture. */
    bool loadFile(const QString &path);

public slots:
    void OnOk();
    void OnCancel();
    void OnImage();
    void OnDefImage();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void showPicture();

    QImage &m_slot;
    QImage m_current;
    int m_kind;
    QLabel *m_preview = nullptr;
};
