#pragma once

#include <QString>

// The categories of the cloud service's settings, shared by the branch and group rows.
inline const QString kReservableComputerSettings = QStringLiteral("ReservableComputerSettings");
inline const QString kReservationSettings = QStringLiteral("ReservationSettings");
inline const QString kGuestSettings = QStringLiteral("GuestSettings");
inline const QString kReservationManagerSettings = QStringLiteral("ReservationManagerSettings");
inline const QString kReservationServiceSettings = QStringLiteral("ReservationServiceSettings");
inline const QString kWeeklyLibraryHours =
    QStringLiteral("LibraryHoursSettings.weeklyLibraryHours");
inline const QString kIlsConnectionSettings = QStringLiteral("IlsConnectionSettings");
