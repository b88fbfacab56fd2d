#pragma once

#include <QListWidget>

namespace Tagovnik::Ribbon {

// The commands of one category in the customise dialog. Each item carries its command's name;
// dragging an item carries that name, and a double-click or Enter chooses it instead, for
// whoever cannot drag.
class CustomiseCommandList : public QListWidget
{
    Q_OBJECT

public:
    static constexpr int commandRole = Qt::UserRole;

    explicit CustomiseCommandList(QWidget *parent = nullptr);

    QString commandAt(int row) const;

Q_SIGNALS:
    void commandChosen(const QString &name);

protected:
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QList<QListWidgetItem *> &items) const override;
    Qt::DropActions supportedDropActions() const override;
    void keyPressEvent(QKeyEvent *event) override;
    void startDrag(Qt::DropActions supportedActions) override;
};

} // namespace Tagovnik::Ribbon
