#include "tree/TeamTreeSearch.h"

#include "services/MessageService.h"

#include <QAbstractItemModel>

namespace {

const QString kContinueAtTop = QStringLiteral("No more matches found. Would you like to continue at the top of the list?");
const QString kContinueAtBottom
    = QStringLiteral("No more matches found. Would you like to continue at the bottom of the list?");

bool IsWordChar(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || u == '_';
}

} // namespace

TeamTreeSearch::TeamTreeSearch(const QAbstractItemModel& model, AskFn ask)
    : m_model(model)
    , m_ask(std::move(ask))
{
}

QModelIndex TeamTreeSearch::FirstItem() const
{
    return m_model.index(0, 0);
}

QModelIndex TeamTreeSearch::NextItem(const QModelIndex& item) const
{
    if (!item.isValid())
        return {};
    if (m_model.rowCount(item) > 0)
        return m_model.index(0, 0, item);
    for (QModelIndex node = item; node.isValid(); node = node.parent()) {
        const QModelIndex parent = node.parent();
        if (node.row() + 1 < m_model.rowCount(parent))
            return m_model.index(node.row() + 1, 0, parent);
    }
    return {};
}

QModelIndex TeamTreeSearch::PrevItem(const QModelIndex& item) const
{
    if (!item.isValid())
        return {};
    if (item.row() > 0)
        return LastDescendant(m_model.index(item.row() - 1, 0, item.parent()));
    return item.parent();
}

QModelIndex TeamTreeSearch::LastDescendant(const QModelIndex& item) const
{
    QModelIndex node = item;
    if (!node.isValid()) {
        const int top = m_model.rowCount();
        if (top == 0)
            return {};
        node = m_model.index(top - 1, 0);
    }
    while (m_model.rowCount(node) > 0)
        node = m_model.index(m_model.rowCount(node) - 1, 0, node);
    return node;
}

bool TeamTreeSearch::LabelMatches(const QString& label, const QString& pattern, bool bWholeWord)
{
    // `from` is where the rest of the label starts after a rejected
    // occurrence; it counts as the label's start (its left side is not
    // tested), as the game's own search does.
    qsizetype from = 0;
    for (qsizetype at = label.indexOf(pattern, from); at >= 0; at = label.indexOf(pattern, from)) {
        if (!bWholeWord)
            return true;
        const qsizetype end = at + pattern.size();
        const bool leftFree = at == from || !IsWordChar(label[at - 1]);
        const bool rightFree = end == label.size() || !IsWordChar(label[end]);
        if (leftFree && rightFree)
            return true;
        from = end;
    }
    return false;
}

bool TeamTreeSearch::Ask(const QString& question) const
{
    if (m_ask)
        return m_ask(question);
    return Messages().ShowMessage(nullptr, question, IMessageService::Buttons::YesNo, IMessageService::Icon::Question)
        == IMessageService::Answer::Yes;
}

QModelIndex TeamTreeSearch::FindItem(const Options& options, const QModelIndex& start) const
{
    if (options.text.isEmpty())
        return {};
    QModelIndex current = options.bDown ? NextItem(start) : PrevItem(start);
    if (!current.isValid())
        current = options.bDown ? FirstItem() : LastDescendant({});
    const QString pattern = options.bMatchCase ? options.text : options.text.toLower();
    bool bWrapAllowed = true;
    for (;;) {
        if (!current.isValid() || current == start)
            return {};
        QString label = m_model.data(current, Qt::DisplayRole).toString();
        if (!options.bMatchCase)
            label = label.toLower();
        if (LabelMatches(label, pattern, options.bWholeWord))
            return current;
        current = options.bDown ? NextItem(current) : PrevItem(current);
        if (!current.isValid()) {
            if (!bWrapAllowed)
                return {};
            if (!Ask(options.bDown ? kContinueAtTop : kContinueAtBottom))
                return {};
            bWrapAllowed = false;
            current = options.bDown ? FirstItem() : LastDescendant({});
            if (!current.isValid())
                return {};
        }
    }
}
