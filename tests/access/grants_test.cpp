#include "access/grants.h"
#include "support/roomlettest.h"

#include <QMenu>
#include <QMenuBar>
#include <QPointer>

namespace {
// Two function menus and the help menu, with one entry enabled as built.
struct Menus {
    Menus()
    {
        QMenu *a = bar->addMenu("甲");
        a->setObjectName("m_a");
        entry(a, "s_1", false);
        a->addSeparator();
        entry(a, "s_2", true);
        QMenu *b = bar->addMenu("乙");
        b->setObjectName("m_b");
        entry(b, "s_3", false);
        QMenu *help = bar->addMenu("帮助");
        help->setObjectName("About");
        entry(help, "N9", true);
        entry(help, "N4", false);
    }
    void entry(QMenu *m, const QString &name, bool enabled)
    {
        QAction *a = m->addAction(name);
        a->setObjectName(name);
        a->setEnabled(enabled);
    }
    // "name" for enabled, "-name" for disabled entries; separators as "|" / "-|".
    QStringList state() const
    {
        QStringList out;
        for (QAction *top : bar->actions()) {
            out << QString(top->isEnabled() ? "" : "-") + top->menu()->objectName() + ":";
            for (QAction *e : top->menu()->actions())
                out << QString(e->isEnabled() ? "" : "-") + (e->isSeparator() ? QString("|") : e->objectName());
        }
        return out;
    }
    QPointer<QMenuBar> bar = new QMenuBar;
};
} // namespace

class GrantsTest : public RoomletTest
{
};

TEST_F(GrantsTest, GrantedNamesOpenExactlyTheirEntries)
{
    struct Case {
        QStringList granted;
        QStringList expected;
    };
    const QList<Case> cases = {
        // No grant at all: the menu stays as it was built.
        {{}, {"m_a:", "-s_1", "|", "s_2", "m_b:", "-s_3", "About:", "N9", "-N4"}},
        // Names compare exactly; group names and unknown names open no entry; help is not touched.
        {{"s_1", "m_b", "S_3", "s_9", "N4"}, {"m_a:", "s_1", "-|", "-s_2", "m_b:", "-s_3", "About:", "N9", "-N4"}},
        {{"s_3"}, {"m_a:", "-s_1", "-|", "-s_2", "m_b:", "s_3", "About:", "N9", "-N4"}},
    };
    for (const Case &c : cases) {
        Menus m;
        applyGrantNames(*m.bar, c.granted);
        EXPECT_EQ(m.state(), c.expected) << c.granted.join(',').toStdString();
        delete m.bar;
    }
}

TEST_F(GrantsTest, GrantsAreReadForTheOperator)
{
    exec("insert into yhqxb(loginuser,funcename,funccname) values('zhang','s_2',''),('zhang','m_b',''),"
         "('li','s_1','')");
    Menus m;
    applyGrants(*m.bar, "ZHANG");
    EXPECT_EQ(m.state(), (QStringList{"m_a:", "-s_1", "-|", "s_2", "m_b:", "-s_3", "About:", "N9", "-N4"}));
    EXPECT_FALSE(db->pub.isOpen());

    Menus none;
    applyGrants(*none.bar, "wang");
    EXPECT_EQ(none.state(), (QStringList{"m_a:", "-s_1", "|", "s_2", "m_b:", "-s_3", "About:", "N9", "-N4"}));
}
