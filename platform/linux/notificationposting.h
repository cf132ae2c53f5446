#pragma once

#include <QString>

// Shows a short message to the user; silently nothing where the desktop cannot show one.
class NotificationPosting {
public:
    virtual ~NotificationPosting() = default;

    virtual void post(const QString &title, const QString &body) = 0;
};
