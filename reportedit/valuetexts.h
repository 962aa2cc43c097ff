#pragma once

#include <QPair>
#include <QString>
#include <QVector>

/**
 * The standard texts behind a field's per-value slots and the labels of the
 * text editor's value chooser, plus the storage form of custom texts.
 */
namespace ValueTexts {

/**
 * The standard texts of field @p id of report kind @p kind, one per slot
 * (128 for the interpretation tables, one per celebrity for the celebrity
 * lists); empty when the field has no table of its own.
 */
QVector<QString> standardTexts(int kind, int id);

/**
 * Chooser entries (slot, label) for the slots of @p table that hold a text.
 * Slot 0 is "Heading"; pair tables read "1 + 2"; a table whose slot 1 + n
 * stands for n is labelled by n.
 */
QVector<QPair<int, QString>> chooserEntries(const QVector<QString> &table, int tableCode);

/** The editor's HTML in storage form: every "<p" gets "<!-- md --><br>" in front. */
QString toStored(const QString &html);
/** The stored text with every "<!-- md --><br>" removed, as the editor shows it. */
QString fromStored(const QString &stored);

}  // namespace ValueTexts
