#pragma once

#include <QModelIndex>
#include <QString>

#include <functional>

class QAbstractItemModel;

// The search of Edit > Find over the team tree: walks every item in
// pre-order (collapsed or not), downwards or upwards, from the item after
// the start, and offers once to go on from the other end. The start item
// itself is never tested. Works on the tree's model (first column labels).
class TeamTreeSearch
{
public:
    // Asks a Yes/No question; true for Yes.
    using AskFn = std::function<bool(const QString& question)>;

    struct Options
    {
        QString text;
        bool bMatchCase = false;
        bool bDown = true;
        bool bWholeWord = false;
    };

    // ask = null puts the questions through the message service.
    explicit TeamTreeSearch(const QAbstractItemModel& model, AskFn ask = {});

    // The matching item, or an invalid index when there is none (empty text,
    // empty tree, No to the question, or a full pass without a match).
    QModelIndex FindItem(const Options& options, const QModelIndex& start) const;

    // The pre-order walk of the tree (invalid = none).
    QModelIndex NextItem(const QModelIndex& item) const;
    QModelIndex PrevItem(const QModelIndex& item) const;
    // The deepest last item under `item`; with none, of the whole tree.
    QModelIndex LastDescendant(const QModelIndex& item) const;
    QModelIndex FirstItem() const;

    // Whether `label` holds `pattern` (both already in the case to compare).
    // As a whole word, the occurrence must not touch a letter (A-Z, a-z) or
    // "_" on either side.
    static bool LabelMatches(const QString& label, const QString& pattern, bool bWholeWord);

private:
    bool Ask(const QString& question) const;

    const QAbstractItemModel& m_model;
    AskFn m_ask;
};
