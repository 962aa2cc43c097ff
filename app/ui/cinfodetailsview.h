#pragma once

#include <QDialog>

class CTheme;
class QWebEngineView;

/** Explanation of one number: picture, title, how it is calculated, what it means. */
class CInfoDetailsView : public QDialog
{
    Q_OBJECT
public:
    /** @p title names the number explained ("Life Path 7"); empty: the program's name. */
    CInfoDetailsView(CTheme *theme, const QString &html, QWidget *parent = nullptr,
                     const QString &title = QString());
    ~CInfoDetailsView() override;

    /**
     * The page for guide section @p section with @p picture from the report
     * pictures; empty when the section has no texts. Sections 19 to 34 share
     * the "Calculating" text of section 18.
     */
    static QString detailsHtml(int section, const QString &picture);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QWebEngineView *m_view = nullptr;
};
