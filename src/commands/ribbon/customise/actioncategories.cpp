#include "ribbon/customise/actioncategories.h"

#include "ribbon/look/ribbontexts.h"

#include <algorithm>

namespace Tagovnik::Ribbon {

QList<ActionCategory> actionCategories(const QStringList &commandCategories)
{
    QList<ActionCategory> categories;
    ActionCategory all{Texts::allActions, {}};
    for (int i = 0; i < commandCategories.size(); ++i) {
        const QString &name = commandCategories.at(i);
        const QString caption = name.isEmpty() ? Texts::noCategory : name;
        auto found = std::find_if(categories.begin(), categories.end(),
                                  [&](const ActionCategory &c) { return c.caption == caption; });
        if (found == categories.end())
            found = categories.insert(categories.end(), ActionCategory{caption, {}});
        found->commands.append(i);
        all.commands.append(i);
    }
    categories.append(all);
    return categories;
}

} // namespace Tagovnik::Ribbon
