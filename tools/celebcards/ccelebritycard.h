#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

/**
 * Draws the portrait card that stands in for a celebrity's photograph: a
 * tinted card with the person's initials in a circle, the name and the field
 * of work. The tint follows the field (science, music, sport ...), so a page
 * of matches reads at a glance; everything is painted, no artwork is needed.
 */
class CCelebrityCard
{
public:
    /** Field groups that pick the card's tint. */
    enum class Field { Science, Arts, Music, Film, Sport, Politics, Literature, Business, Exploration, Other };

    /** Size of the shipped cards, in pixels. */
    static constexpr int kWidth = 150;
    static constexpr int kHeight = 190;

    /**
     * Initials for the circle: the first letters of the first and last words,
     * ignoring suffixes such as "Jr." or a regnal "II"; one word gives one letter.
     * Empty for a name without letters.
     */
    static QString initialsOf(const QString &name);

    /** The field group named by a second line such as "Painter (Spain)". */
    static Field fieldOf(const QString &line2);

    /** The base tint of a field group. */
    static QColor tintOf(Field field);

    /** The occupation part of a second line ("Painter and sculptor"). */
    static QString occupationOf(const QString &line2);
    /** The country part in brackets at the end of a second line, or empty. */
    static QString countryOf(const QString &line2);

    /** Paints a card of @p size (at least 60 x 80; smaller sizes are enlarged to it). */
    static QImage render(const QString &name, const QString &line2, QSize size = QSize(kWidth, kHeight));
};
