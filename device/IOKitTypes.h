#pragma once

#include "device/IOReturn.h"
#include "host/Types.h"

// Registry objects (services, iterators, notification registrations) are named by numbers; each
// one a client receives is a reference it gives back with IOObjectRelease.
using io_object_t = UInt32;
using natural_t = std::uint32_t;
using io_service_t = io_object_t;
using io_iterator_t = io_object_t;
inline constexpr io_object_t IO_OBJECT_NULL = 0;

// Messages about a service, delivered to its interest notifications.
inline constexpr natural_t kIOMessageServiceIsTerminated = 0xE0000010u;
inline constexpr natural_t kIOMessageServiceIsAttemptingOpen = 0xE0000101u;
inline constexpr natural_t kIOMessageServiceWasClosed = 0xE0000110u;
// The service can take requests again, after a stall.
inline constexpr natural_t kIOMessageServiceIsResumed = 0xE0000040u;

// Notification kinds and interface identifiers.
inline constexpr char kIOFirstMatchNotification[] = "IOServiceFirstMatch";
inline constexpr char kIOGeneralInterest[] = "IOGeneralInterest";
inline constexpr char kIOHIDDeviceUserClientTypeID[] = "IOHIDDeviceUserClientType";
inline constexpr char kIOCFPlugInInterfaceID[] = "IOCFPlugInInterface";
inline constexpr char kIOHIDDeviceInterfaceID[] = "IOHIDDeviceInterface";

using IOServiceMatchingCallback = void (*)(void* inRefCon, io_iterator_t inIterator);
using IOServiceInterestCallback = void (*)(void* inRefCon, io_service_t inService,
                                           natural_t inMessageType, void* inMessageArgument);

// Owned by the device services; callbacks registered on a port run once its source has been
// added to the run loop.
struct IONotificationPort;
using IONotificationPortRef = IONotificationPort*;
struct CFRunLoopSource;
using CFRunLoopSourceRef = CFRunLoopSource*;

enum IOHIDReportType : UInt32 {
    kIOHIDReportTypeOutput = 1,
};
inline constexpr UInt32 kIOHIDOptionsTypeNone = 0;
