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
    QStringList errors;        // messages passed to showError
    QStringList openFilters;   // filters the open dialogs were shown with
    QStringList saveFilters;
    QStringList saveSuffixes;
    QList<QColor> colorInitials;
    int openCount = 0;

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

private:
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
