// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/library/load_folder.h"
#include "support/window_controls.h"
#include "support_library/library_fixture.h"
#include "ui/widgets/picture_box.h"

#include <QAccessible>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <set>

namespace {

// What a screen reader can act on or must be told of.
const std::set<QAccessible::Role> ControlRoles = {
    QAccessible::Button,   QAccessible::PushButton, QAccessible::ScrollBar, QAccessible::List,
    QAccessible::ListItem, QAccessible::MenuItem,   QAccessible::Graphic};

// Every interface under root, depth first.
void walk(QAccessibleInterface* root, const std::function<void(QAccessibleInterface*)>& visit) {
    visit(root);
    for (int i = 0; i < root->childCount(); ++i)
        if (QAccessibleInterface* child = root->child(i))
            walk(child, visit);
}

TEST(Accessibility, EveryControlOfTheMainWindowHasAName) {
    LibraryRig rig;
    rig.writeIndexLines({QStringLiteral("えんそく,IMG_0001_a,2002/06/15 3,")});
    rig.makePhotos(rig.classFolder + QStringLiteral("\\IMG_0001_a"), 3);
    rig.openClassFolder();
    QTest::mouseClick(control<PictureBox>(*rig.form, "thumbnailPanel"), Qt::LeftButton, {},
                      QPoint(230, 100));

    QStringList items;
    int controls = 0;
    walk(QAccessible::queryAccessibleInterface(rig.form.get()), [&](QAccessibleInterface* face) {
        if (!ControlRoles.count(face->role()))
            return;
        ++controls;
        const QString name = face->text(QAccessible::Name);
        EXPECT_FALSE(name.trimmed().isEmpty()) << "role " << face->role() << " at " << controls;
        if (face->role() == QAccessible::ListItem)
            items << name;
    });
    // 30 class buttons, the menus and the buttons of the panels at least.
    EXPECT_GT(controls, 50);
    EXPECT_TRUE(items.contains(QStringLiteral("しゃしん (1)"))) << items.join(u'|').toStdString();
    EXPECT_TRUE(items.contains(QStringLiteral("しゃしん (2) えらばれました")));
    EXPECT_TRUE(items.contains(QStringLiteral("えんそく 3まい 2002/06/15")));
}

} // namespace
