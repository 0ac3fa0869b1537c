#pragma once

#include "controls/dialogs.h"

#include <QStringList>
#include <deque>

// Answers the program's dialogs from queues that a test fills; records the error boxes shown.
class FakeDialogs : public dorva::Dialogs {
public:
    std::deque<QString> openAnswers; // "" answers Cancel
    std::deque<QString> saveAnswers;
    std::deque<std::optional<QColor>> colorAnswers;
    QStringList errors;      // messages passed to showError
    QStringList openFilters; // filters the open dialogs were shown with
    QStringList saveFilters;
    QStringList saveSuffixes;
    QList<QColor> colorInitials;
    int openCount = 0;
    // Questions asked, and their answers; an unexpected question is answered Discard or
    // Overwrite, so flows that never meet one go on as they would without it.
    std::deque<dorva::SaveChoice> saveChangesAnswers;
    std::deque<std::optional<bool>> overwriteAnswers;
    QStringList questions;

    QString openFile(QWidget*, const QString& filter, dorva::FileDialogState& state) override {
        ++openCount;
        openFilters << filter;
        return answer(openAnswers, state);
    }
    QString saveFile(QWidget*, const QString& filter, const QString& suffix,
                     dorva::FileDialogState& state) override {
        saveFilters << filter;
        saveSuffixes << suffix;
        return answer(saveAnswers, state);
    }
    std::optional<QColor> chooseColor(QWidget*, const QColor& initial) override {
        colorInitials << initial;
        if (colorAnswers.empty())
            return std::nullopt;
        auto c = colorAnswers.front();
        colorAnswers.pop_front();
        return c;
    }
    void showError(QWidget*, const QString& message) override { errors << message; }
    dorva::SaveChoice askSaveChanges(QWidget*, const QString& question) override {
        questions << question;
        return next(saveChangesAnswers, dorva::SaveChoice::Discard);
    }
    // An answer of nullopt presses "Show Changes", and the question is asked again.
    bool askOverwrite(QWidget*, const QString& question,
                      const std::function<void()>& showChanges) override {
        for (;;) {
            questions << question;
            const std::optional<bool> answer = next(overwriteAnswers, std::optional<bool>(true));
            if (answer)
                return *answer;
            showChanges();
        }
    }

private:
    template <typename T> static T next(std::deque<T>& queue, T fallback) {
        if (queue.empty())
            return fallback;
        T value = queue.front();
        queue.pop_front();
        return value;
    }
    static QString answer(std::deque<QString>& queue, dorva::FileDialogState& state) {
        if (queue.empty())
            return {};
        QString path = queue.front();
        queue.pop_front();
        if (!path.isEmpty()) {
            const int slash = path.lastIndexOf('/');
            state.folder = slash >= 0 ? path.left(slash) : QString();
            state.fileName = path.mid(slash + 1);
        }
        return path;
    }
};
