#include "support/ScriptedPlatform.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

namespace zwervel {

Question::Answer ScriptedPlatform::ask(const Question& question)
{
    questions << question;
    if (question.buttons == Question::Buttons::OK)
        return Question::Answer::OK;
    if (answers.isEmpty() && answerWhenOut)
        return answerWhenOut(question);
    if (answers.isEmpty()) {
        QTest::qFail(qPrintable(QStringLiteral("unexpected question: ") + question.text), __FILE__,
                     __LINE__);
        return question.defaultAnswer;
    }
    return answers.takeFirst();
}

bool ScriptedPlatform::fileExists(const QString& path)
{
    return QFileInfo::exists(path);
}

bool ScriptedPlatform::canWrite(const QString& path)
{
    return QFileInfo(path).isWritable() && !closed.contains(QDir::fromNativeSeparators(path));
}

} // namespace zwervel
