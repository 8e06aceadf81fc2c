#pragma once

#include "camera/CameraFrame.h"

#include <QObject>
#include <QStringList>

// Where frames come from: the program's cameras, or made-up frames in tests. Drivers are
// numbered from 0 in the order DriverNames() lists them.
class FrameSource : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // The description of every camera present, by driver number.
    virtual QStringList DriverNames() = 0;
    // Connects a driver and starts its picture; false when it cannot be opened.
    virtual bool Connect(int driver) = 0;
    // The number of the connected driver in DriverNames(), -1 when none is.
    virtual int ConnectedDriver() const = 0;
    // The newest frame of the connected driver; empty before the first arrived.
    virtual CameraFrame LatestFrame() const = 0;

Q_SIGNALS:
    // A camera was plugged in or out.
    void DriversChanged();
    // A new frame arrived: the live picture follows.
    void FrameArrived();
    // The connected driver could not start or stopped working (unplugged, taken by
    // another program): no driver is connected any more.
    void Failed();
};
