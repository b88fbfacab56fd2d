#include "startupreport.h"

#include "error.h"
#include "executablepath.h"

#include <QFileInfo>
#include <QMessageBox>

#include <cxxabi.h>
#include <dlfcn.h>
#include <memory>
#include <typeinfo>

using namespace Qt::StringLiterals;

namespace Tagovnik {

CodeLocation CodeLocation::of(const void *code)
{
    Dl_info info{};
    if (code && dladdr(code, &info) && info.dli_fname) {
        return {QFileInfo(QString::fromLocal8Bit(info.dli_fname)).fileName(),
                reinterpret_cast<std::uintptr_t>(code) -
                    reinterpret_cast<std::uintptr_t>(info.dli_fbase)};
    }
    return {QFileInfo(currentExecutablePath()).fileName(), 0};
}

QString fatalStartupText(const QString &kindName, const CodeLocation &location,
                         const QString &message)
{
    QString text = u"Exception %1 in module %2 at %3.\n"_s.arg(
        kindName, location.moduleName,
        QString::number(location.offset, 16).toUpper().rightJustified(8, u'0'));
    text += message;
    if (!message.isEmpty() && !message.endsWith(u'.'))
        text += u'.';
    return text + u'\n';
}

static QString demangledTypeName(const std::exception &error)
{
    int status = 0;
    std::unique_ptr<char, decltype(&std::free)> name(
        abi::__cxa_demangle(typeid(error).name(), nullptr, nullptr, &status), &std::free);
    return QString::fromLatin1(status == 0 ? name.get() : typeid(error).name());
}

void showFatalStartupReport(const std::exception &error)
{
    QString text;
    if (const auto *known = dynamic_cast<const Error *>(&error)) {
        text = fatalStartupText(known->kindName(), CodeLocation::of(known->raisedAt()),
                                known->message());
    } else {
        text = fatalStartupText(demangledTypeName(error), CodeLocation::of(nullptr),
                                QString::fromLocal8Bit(error.what()));
    }
    QMessageBox box(QMessageBox::Critical, u"Application Error"_s, text, QMessageBox::Ok);
    box.exec();
}

} // namespace Tagovnik
