// The fourteen drop-downs that a citizen's screens and the citizen search share: where each
// takes its list from, the cell list that follows the chosen party bodies, and the wiring of
// the steps that run when a choice changes.
#pragma once

#include "widgets/DbControls.h"
#include "data/DbError.h"

#include <QObject>
#include <QStringList>

#include <array>

namespace dorvani {

class Dataset;
class TDataMdl;

namespace lookups {

// boxes[i] is DBLookupComboBox<i+1>: nationality, profession, town, municipality, province,
// prefecture, constituency, cell, member body, local, committee and organisation, education,
// assessment. The town and cell boxes take their lists from the screen's own queries; the
// town box shows the towns' field `townField`.
using Boxes = std::array<DBLookupComboBox *, 14>;
void bind(TDataMdl &dm, const Boxes &boxes, Dataset *towns, Dataset *cells, const QString &townField = "POLH");

// The key of a box, 0 while it shows nothing.
int keyOf(const DBLookupComboBox *c);

// The cells of an organisation, narrowed to a committee and a local organisation when chosen.
QStringList cellsOf(int no, int ne = 0, int to = 0);

// Runs a step of a screen each time a box's choice changes; a failure of the database inside
// it leaves the boxes as they are.
template <class Screen>
void onChosen(Screen *screen, DBLookupComboBox *box, void (Screen::*step)())
{
    QObject::connect(box, &DBLookupComboBox::keyChanged, screen, [screen, step] {
        try {
            (screen->*step)();
        } catch (const DbError &) {
        }
    });
}

} // namespace lookups
} // namespace dorvani
