#pragma once

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

#include <array>
#include <memory>

class QTemporaryDir;

class QWidget;

/**
 * The colour theme of the whole program.
 *
 * The interface is designed once in a dark brown palette. Every other theme
 * is derived from it by recolouring: a colour keeps its brightness and takes
 * the hue and saturation of the theme's tint. The object holds the theme
 * list, the current theme's style sheets by widget kind, the colour mapping
 * used by the painted panels and the recolouring of images.
 *
 * Style sheets never use "#" for anything but colours: every "#" starts a
 * six-digit colour that the mapping rewrites.
 */
class CTheme : public QObject
{
    Q_OBJECT

public:
    /** Number of style sheets of a theme. */
    static constexpr int SheetCount = 14;
    /** Sheet that never changes with the theme (progress bars). */
    static constexpr int FixedSheet = 7;

    /**
     * Widget kinds understood by styleWidget(). The numbers are fixed; the
     * names say what the program uses each kind for.
     */
    enum WidgetKind {
        KindCheckBox = 0,            ///< check boxes on pages (sheet 1)
        KindDialog = 1,              ///< dialogs and anything unnamed (sheet 0)
        KindMainWindow = 2,          ///< main window background (sheet 8)
        KindUnstyled = 3,            ///< left as it is
        KindPersonButton = 5,        ///< the person button (sheet 9, pulse template)
        KindFeatureButton = 6,       ///< the feature button column (sheet 10)
        KindPersonPanel = 7,         ///< the sliding person panel (sheet 11)
        KindLineEdit = 8,            ///< large input fields (sheet 12)
        KindCaption = 9,             ///< caption labels (sheet 2)
        KindDateEdit = 10,           ///< date edits on pages (sheet 1)
        KindReportManagerButton = 12,///< small image button (sheet 13)
        KindComboBox = 14,           ///< combo boxes, layout chooser (sheet 0)
        KindPage = 16,               ///< framed content pages (sheet 3)
        KindYesButton = 23,          ///< question box "Yes" (sheet 0)
        KindNoButton = 24,           ///< question box "No" (sheet 0)
        KindToolButton = 25          ///< flat image buttons of the tool row (sheet 6)
    };

    /** Extra sheets reachable by index only (see styleSheet()). */
    enum ExtraSheet {
        SheetText = 4,  ///< text browsers and views over the dark background
        SheetMenu = 5   ///< pop-up menus
    };

    /** One theme: its sheets already recoloured, and how it recolours. */
    struct Entry {
        QString name;
        std::array<QString, SheetCount> sheets;
        QColor tint;
        int valuePercent = 0;  ///< 0: HSL lightness; else HSV value = brightness * k / 100
        bool keepColours = false;
    };

    /**
     * Builds the seven themes from the base sheets. @p imageFolder is the
     * folder of the interface pictures, normally the application folder +
     * "/images/"; it may be missing (pictures then come out empty).
     */
    explicit CTheme(const QString &imageFolder, QObject *parent = nullptr);
    ~CTheme() override;

    /** Theme names in menu order. */
    QStringList names() const { return m_names; }
    int count() const { return m_entries.size(); }
    int currentIndex() const { return m_current; }
    const Entry &entry(int index) const;
    QString imageFolder() const { return m_imageFolder; }

    /** Selects a theme; an index outside the list selects 0. Emits themeChanged(). */
    void selectTheme(int index);

    /** Colour mapping of the current theme. */
    QColor mapColor(const QColor &c) const;
    QColor mapColor(int r, int g, int b) const { return mapColor(QColor(r, g, b)); }
    /** Rewrites every "#rrggbb" of @p text through the current theme. */
    QString mapStyleText(const QString &text) const;
    /** Recolours every pixel (the result is opaque) unless the theme keeps colours. */
    QImage mapImage(const QImage &image) const;

    /** The rules by themselves, for any tint (used to build the themes and in tests). */
    static QColor mapColorWith(const QColor &c, const QColor &tint, int valuePercent, bool keep);
    static QString mapStyleTextWith(const QString &text, const QColor &tint, int valuePercent,
                                    bool keep);

    /** Current sheet by index 0..13 (empty outside), image paths resolved. */
    QString styleSheet(int sheet) const;
    /** Sheet index used for a widget kind; -1 for KindUnstyled. */
    static int sheetIndexForKind(int kind);
    /** Current sheet for a widget kind; empty for KindUnstyled. */
    QString styleSheetForKind(int kind) const;
    /** setStyleSheet() with the sheet of the kind; KindUnstyled leaves the widget alone. */
    void styleWidget(QWidget *widget, int kind) const;

    /** The psychomatrix background, recoloured for the current theme. */
    QImage background() const { return m_background; }
    /** A picture of the image folder recoloured for the current theme (null if missing). */
    QImage themedImage(const QString &fileName) const;
    /**
     * A feature button icon: the picture from the image folder with a
     * one-pixel frame at (0, 0, 59, 59) in the themed "#5c524c".
     */
    QIcon featureIcon(const QString &fileName) const;
    /** File names of the nine feature button icons, in feature order. */
    static QStringList featureIconFiles();

    /**
     * A panel title bar: @p title in Tahoma on the theme's title colour,
     * @p width x @p height pixels.
     */
    QImage titleImage(const QString &title, int width, int height) const;
    /** The same for an optional theme (null: base colours). */
    static QImage titleImageFor(const CTheme *theme, const QString &title, int width, int height);

    /** The person-button sheet with the pulse applied: "#44372f" raised by @p step in HSV value. */
    QString personButtonSheet(int step) const;

signals:
    /** Emitted after selectTheme(); panels repaint on it. */
    void themeChanged(int index);

private:
    QString resolvePaths(const QString &sheet) const;
    /** Folder holding the sheets' pictures recoloured for the current theme. */
    QString sheetImageFolder();


    QString m_imageFolder;
    QVector<Entry> m_entries;
    QStringList m_names;
    int m_current = 0;
    std::array<QString, SheetCount> m_sheets;
    QImage m_baseBackground;
    QImage m_background;
    std::unique_ptr<QTemporaryDir> m_recoloured;  ///< per-theme copies of the sheets' pictures
    QString m_sheetImageFolder;
};
