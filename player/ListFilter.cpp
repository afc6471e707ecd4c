#include "ListFilter.h"

#include <QLineEdit>
#include <QTreeWidget>

void ApplyListFilter(QTreeWidget& list, const QString& text)
{
    const QString& wanted = text;
    for (int row = 0; row < list.topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = list.topLevelItem(row);
        const bool shown = item->text(0).contains(wanted, Qt::CaseInsensitive);
        if (!shown)
            item->setSelected(false);
        item->setHidden(!shown);
    }
}

void AttachListFilter(QLineEdit& filter, QTreeWidget& list)
{
    filter.setClearButtonEnabled(true);
    QObject::connect(&filter, &QLineEdit::textChanged, &list, [&list](const QString& text) { ApplyListFilter(list, text); });
}
