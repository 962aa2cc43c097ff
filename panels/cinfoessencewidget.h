#pragma once

#include "panels/cinfowidget.h"

class QPushButton;

/**
 * "Essence and Transit": a strip of ages 0..100, one 16-pixel column per
 * age, with the year, the three transit letters and the essence numbers.
 * The panel shows 37 ages at a time; the "< Age >" button in the title bar
 * pages through ages from 0, 32 and 64.
 */
class CInfoEssenceWidget : public CInfoWidget
{
    Q_OBJECT

public:
    static constexpr int Ages = 128;
    static constexpr int LastAge = 100;

    explicit CInfoEssenceWidget(CTheme *theme,
                                const QString &title = QStringLiteral("Essence and Transit"),
                                QWidget *parent = nullptr);

    /**
     * Copies at most 128 entries of each array; @p transits are the
     * physical, mental and spiritual letter strings (one character per age).
     */
    void setEssence(int birthYear, const QVector<int> &essence, const QVector<int> &essenceRaw,
                    const QStringList &transits);
    void clearEssence();

    int agePage() const { return m_agePage; }
    void setAgePage(int page);
    int birthYear() const { return m_birthYear; }
    int essenceAt(int age) const;
    int essenceRawAt(int age) const;
    /** First age visible on the current page. */
    int firstVisibleAge() const { return 32 * m_agePage; }

    // Screen readers hear the transits and the essence of the ages shown, age by age.
    int rowCount() const override;
    QString rowName(int row) const override;
    QString rowValue(int row) const override;
    QRect rowRect(int row) const override;
    bool rowActivates(int) const override { return false; }
    /** The "< Age >" button. */
    QPushButton *ageButton() const { return m_ageButton; }

    QSize sizeHint() const override;

public slots:
    void OnSwitchAge();
    void updateData() override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void styleButton();

    int m_agePage = 0;
    int m_birthYear = 0;
    int m_essence[Ages] = {};
    int m_essenceRaw[Ages] = {};
    QPushButton *m_ageButton = nullptr;
};
