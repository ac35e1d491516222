#pragma once

#include <QByteArray>
#include <QString>

// Hand-in files that could not reach their folder (a share that is down, a USB stick pulled out)
// wait in the pupil's own data folder, each beside a note of the folder it is for, and go there
// at the next start or the next game. Nothing that waits is ever dropped.
class HandInQueue
{
public:
    explicit HandInQueue(QString waitingFolder) : waitingFolder(std::move(waitingFolder)) {}

    enum class Delivery
    {
        HandedIn,
        Waiting,
        Lost // neither the hand-in folder nor the waiting folder could take it
    };

    // Puts the file into the hand-in folder, or into the waiting folder when that fails.
    Delivery handIn(const QString& handInFolder, const QString& name, const QByteArray& bytes);

    // Hands in every waiting file whose folder can now be reached; gives how many still wait.
    int flush();

    // How many files wait, for the pupil to see.
    int waiting() const;

private:
    QString waitingFolder;
};
