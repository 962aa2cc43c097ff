#pragma once

#include <QUndoCommand>

#include <memory>
#include <vector>

class ChartDocument;
class ChartItem;

/**
 * A change of the stored properties of one or more frame items (text, colours,
 * font, alignment, frame, field code, block-reference orders ...). The editor
 * takes a copy of each item before it changes it (ChartItem::clone()), edits
 * the item, then pushes this command: the state after is taken when the
 * command is built, so the first redo changes nothing. Undo and redo copy the
 * states back into the same objects, so pointers to them stay valid.
 */
class CItemPropertiesCommand : public QUndoCommand
{
public:
    static constexpr int kId = 0x5052; // merge id of property edits

    explicit CItemPropertiesCommand(ChartDocument *doc,
                                    const QString &text = QStringLiteral("Properties"),
                                    QUndoCommand *parent = nullptr);
    /** One item: @p before is its copy taken before the edit. */
    CItemPropertiesCommand(ChartDocument *doc, ChartItem *frame, std::unique_ptr<ChartItem> before,
                           const QString &text = QStringLiteral("Properties"),
                           QUndoCommand *parent = nullptr);
    ~CItemPropertiesCommand() override;

    /** Adds another edited item (call before pushing). */
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

    ChartDocument *m_doc;
    std::vector<Entry> m_entries;
    int m_mergeKey = 0;
};
