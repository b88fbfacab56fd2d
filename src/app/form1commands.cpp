#include "form1definition.h"

#include "Unit1.h"

// The command table binds the window's handlers, so it alone needs the window's class; the
// rest of the definition is plain data that the window reads.
namespace Tagovnik {

namespace Form1Definition {

static constexpr QKeyCombination ctrl(Qt::Key key)
{
    return QKeyCombination(Qt::ControlModifier, key);
}

std::span<const CommandListDefinition> commandLists()
{
    // clang-format off
    static constexpr CommandListDefinition lists[] = {
        {.name = u"ActionManager1", .images = ImageListId::ImageList1, .styleName = u"Ribbon - Silver"},
        {.name = u"ActionManager2", .images = ImageListId::ImageList2, .styleName = u"Platform Default"},
        {.name = u"ActionManager3", .images = ImageListId::ImageList3, .styleName = u"Platform Default"},
    };
    // clang-format on
    return lists;
}

std::span<const CommandDefinition> commands()
{
    // clang-format off
    static const CommandDefinition table[] = {
        {.list = u"ActionManager1", .name = u"Action6", .caption = u"Zpět", .hint = u"O krok zpět", .imageIndex = 9, .onExecute = &TForm1::Action6Execute},
        {.list = u"ActionManager1", .name = u"akzualizovat", .caption = u"Aktualizovat", .hint = u"Aktualizovat stránku", .imageIndex = 7, .onExecute = &TForm1::akzualizovatExecute},
        {.list = u"ActionManager1", .name = u"Vpred", .caption = u"Vpřed", .hint = u"O krok vpřed", .imageIndex = 6, .onExecute = &TForm1::VpredExecute},
        {.list = u"ActionManager1", .name = u"stop", .caption = u"Stop", .hint = u"Zastavit akci", .imageIndex = 8, .onExecute = &TForm1::stopExecute},
        {.list = u"ActionManager1", .name = u"web1", .caption = u"Tagovnik", .hint = u"Zobrazit program Tagovnik 2.1", .imageIndex = 10, .onExecute = &TForm1::web1Execute},
        {.list = u"ActionManager1", .name = u"web2", .caption = u"Tagovnik on-line", .hint = u"Tagovnik na internetu", .imageIndex = 10, .onExecute = &TForm1::web2Execute},
        {.list = u"ActionManager1", .name = u"web3", .caption = u"Orvalis", .hint = u"Stránky Orvalis", .imageIndex = 10, .onExecute = &TForm1::web3Execute},
        {.list = u"ActionManager1", .name = u"web4", .caption = u"Velmora", .hint = u"Projekt Velmora", .imageIndex = 10, .onExecute = &TForm1::web4Execute},
        {.list = u"ActionManager1", .name = u"web5", .caption = u"Zákaznická podpora", .hint = u"Přejít na zákaznickou podporu", .imageIndex = 10, .onExecute = &TForm1::web5Execute},
        {.list = u"ActionManager1", .name = u"web6", .caption = u"Tipy a triky", .hint = u"Tipy a triky s programem nebo jak programovat stránky", .imageIndex = 10, .onExecute = &TForm1::web6Execute},
        {.list = u"ActionManager1", .name = u"EditPaste1", .kind = CommandKind::TEditPaste, .category = u"Edit", .caption = u"&Vložit", .hint = u"Vložit", .imageIndex = 5, .shortcut = ctrl(Qt::Key_V)},
        {.list = u"ActionManager1", .name = u"EditCut1", .kind = CommandKind::TEditCut, .category = u"Edit", .caption = u"Výjmout", .hint = u"Výjmout", .imageIndex = 2, .shortcut = ctrl(Qt::Key_X)},
        {.list = u"ActionManager1", .name = u"Action2", .caption = u"Offline", .autoCheck = true, .onExecute = &TForm1::Action2Execute},
        {.list = u"ActionManager1", .name = u"Aktualizace", .caption = u"Aktualizace", .hint = u"Aktualizovat program", .imageIndex = 0, .onExecute = &TForm1::AktualizaceExecute},
        {.list = u"ActionManager2", .name = u"PrintDlg1", .kind = CommandKind::TPrintDlg, .category = u"Dialog", .caption = u"&Tisk", .hint = u"Tisknout stránku", .imageIndex = 13, .shortcut = ctrl(Qt::Key_P)},
        {.list = u"ActionManager2", .name = u"Action1", .category = u"Dialog", .caption = u"Poslat příteli", .hint = u"Doporučit program prátelům", .imageIndex = 12, .onExecute = &TForm1::Action1Execute},
        {.list = u"ActionManager2", .name = u"SearchFind1", .kind = CommandKind::TSearchFind, .category = u"Search", .caption = u"Najít", .hint = u"Najít na stránce", .imageIndex = 3, .shortcut = ctrl(Qt::Key_F)},
        {.list = u"ActionManager2", .name = u"SearchFindNext1", .kind = CommandKind::TSearchFindNext, .category = u"Search", .caption = u"Najít další", .hint = u"Najít další", .imageIndex = 14, .shortcut = Qt::Key_F3},
        {.list = u"ActionManager2", .name = u"Action3", .caption = u"Nápověda", .hint = u"Nápověda k programu", .imageIndex = 4, .onExecute = &TForm1::Action3Execute},
        {.list = u"ActionManager2", .name = u"Action4", .caption = u"O programu", .hint = u"O tomto programu", .imageIndex = 10, .onExecute = &TForm1::Action4Execute},
        {.list = u"ActionManager2", .name = u"Action7", .caption = u"Konec", .onExecute = &TForm1::Action7Execute},
        {.list = u"ActionManager3", .name = u"domu", .caption = u"Domů", .hint = u"Přejít zpět na program Tagovnik", .imageIndex = 11, .onExecute = &TForm1::domuExecute},
        {.list = u"ActionManager3", .name = u"EditCopy1", .kind = CommandKind::TEditCopy, .category = u"Edit", .caption = u"&Kopírovat", .hint = u"Kopírovat", .imageIndex = 1, .shortcut = ctrl(Qt::Key_C)},
        {.list = u"ActionManager3", .name = u"Action5", .caption = u"Aktualizace", .hint = u"Aktualizovat program", .imageIndex = 0, .onExecute = &TForm1::Action5Execute},
    };
    // clang-format on
    return table;
}

} // namespace Form1Definition

} // namespace Tagovnik
