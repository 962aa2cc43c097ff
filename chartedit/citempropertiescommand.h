#pragma once

#include "chartedit/commandids.h"

#include <QUndoCommand>

#include <memory>
#include <vector>

class ChartEditSession;
class ChartItem;

/**
 * A change of the stored properties of one or more frame items (text, colours,
 * font, alignment, frame, field code, block-reference orders ...). The editor
 * takes a copy of each item before it changes it (ChartItem::clone()), edits
 * the item and adds it with its copy: the command keeps the edited state and
 * puts the copy back at once, so the change reaches the document (and its
 * listeners) only through redo(). Undo and redo copy the states into the same
 * objects, so pointers to them stay valid.
 */
class CItemPropertiesCommand : public QUndoCommand
{
public:
    static constexpr int kId = commandids::ItemProperties;

    explicit CItemPropertiesCommand(ChartEditSession *session,
                                    const QString &text = QStringLiteral("Properties"),
                                    QUndoCommand *parent = nullptr);
    /** One item: @p before is its copy taken before the edit. */
    CItemPropertiesCommand(ChartEditSession *session, ChartItem *frame, std::unique_ptr<ChartItem> before,
                           const QString &text = QStringLiteral("Properties"),
                           QUndoCommand *parent = nullptr);
    ~CItemPropertiesCommand() override;

    /** Adds an edited item and puts its copy @p before back (call before pushing). */
    void addItem(ChartItem *frame, std::unique_ptr<ChartItem> before);
    /**
     * Edits with the same non-zero key on the same items merge into one undo
     * step (typing in a text row, say); 0 never merges.
     */
    void setMergeKey(int key) { m_mergeKey = key; }

    void undo() override;
    void redo() override;
    int id() const override { return kId; }
    bool mergeWith(const QUndoCommand *other) override;

private:
    struct Entry {
        ChartItem *item = nullptr;
        std::unique_ptr<ChartItem> before;
        std::unique_ptr<ChartItem> after;
    };
    bool unchanged() const;
    void announce();

    ChartEditSession *m_session;
    std::vector<Entry> m_entries;
    int m_mergeKey = 0;
};
