#pragma once

#include <QString>

/**
 * Rich text from a layout file (the custom texts of its fields) is shared
 * between users, so it is cleaned before it joins a report: formatting
 * stays, anything that could run or load active content goes.
 */
namespace HtmlSanitizer {

/**
 * @p html without script: script, style, iframe, object, embed, applet,
 * frames, svg, math and similar elements are removed with their content;
 * meta, base and link tags are removed; event attributes (on...) and
 * attributes whose value is a javascript:, vbscript: or HTML data URL are
 * dropped; pictures and backgrounds stay only as data: image URLs (a picture
 * tag with any other source goes whole) and style declarations with url()
 * go, so a report never loads anything from elsewhere; comments and
 * declarations go; a stray "<" becomes "&lt;".
 * Every kept tag is written again from its parsed name and attributes.
 */
QString richText(const QString &html);

/**
 * @p html as Qt's rich text understands it: read into a QTextDocument and
 * written back as a whole document, so tags, attributes and styles that
 * Qt's rich text does not support are gone. Links and picture sources stay
 * as they were; richText() checks those. Needs a QGuiApplication; without
 * one the whole text is escaped and shows as plain text.
 */
QString throughRichText(const QString &html);

/**
 * A font family name as it may stand in a style attribute: letters, digits,
 * spaces and "-_." only (family names need nothing else).
 */
QString fontFamily(const QString &family);

} // namespace HtmlSanitizer
