#pragma once
// This program's own windows on the accessibility bus. Qt's bridge (Qt 6.4) connects to the
// bus when it is first asked for, and never again while it is active: after the bus restarted,
// its objects are served over a connection of ours and the registry is asked to embed the
// application anew. Method calls are answered over the connection they came in on; the events
// Qt sends still go to its first connection, and are lost.

#include <QString>

namespace tq::atspiowntree {

// Has Qt make its bridge now, against the bus of the moment: made later, after the bus went
// away, it would connect to the dead address the root window still names, and Qt aborts on
// that connection once it asks over it for the registry.
void startQtBridge();

// The connection that served the objects went away with the bus: they are noted, and Qt's
// connection name is let go, so that a bridge connecting again gets a connection of its own.
void lost();

// Serves Qt's accessibility objects over a new connection to the bus at `address`, unless a
// live connection serves them already. Whether they are served afterwards.
bool republish(const QString& address);

} // namespace tq::atspiowntree
