#include "platform/Connectivity.h"

#include <QNetworkInformation>

namespace {

ConnectivityHook& currentHook()
{
    static ConnectivityHook hook;
    return hook;
}

} // namespace

bool IsConnectedToInternet()
{
    if (currentHook())
        return currentHook()();
    if (!QNetworkInformation::instance() && !QNetworkInformation::load(QNetworkInformation::Feature::Reachability))
        return true;
    return QNetworkInformation::instance()->reachability() != QNetworkInformation::Reachability::Disconnected;
}

ConnectivityHook SetConnectivityHook(ConnectivityHook hook)
{
    ConnectivityHook previous = std::move(currentHook());
    currentHook() = std::move(hook);
    return previous;
}
