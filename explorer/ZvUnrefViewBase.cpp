#include "explorer/ZvUnrefViewBase.h"

#include <QAbstractItemView>
#include <QPixmap>
#include <QSignalBlocker>

#include "contracts/Check.h"
#include "explorer/ZvCaption.h"
#include "explorer/ZvImages.h"
#include "settings/ZvFilterCollection.h"

namespace {

constexpr int kItemHeight = 20;

// Control ids of the filter combos, one per combo in the process.
int NextComboId()
{
    static int s_nId = 88;
    return ++s_nId;
}

// Names without the mark keep their text where the marked one has it.
QIcon NoMark()
{
    QPixmap blank(16, 16);
    blank.fill(Qt::transparent);
    return QIcon(blank);
}

QString FilterName(const CZvParentItemFilter* pFilter)
{
    return QString::fromStdString(pFilter->getName());
}

} // namespace

CZvUnrefViewBase::CZvUnrefViewBase(QWidget* parent) : CZvViewBase(parent) {}

QComboBox* CZvUnrefViewBase::createFilterCombo(QWidget* parent)
{
    ZV_TRY
        m_combo = new QComboBox(parent);
        m_combo->setObjectName(QStringLiteral("filterCombo%1").arg(NextComboId()));
        m_combo->setEditable(false);
        m_combo->setIconSize(QSize(16, 16));
        m_combo->setFont(caption() ? caption()->font() : font());
        m_combo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        m_combo->setMinimumHeight(kItemHeight);
        // activated, not currentIndexChanged: only the user's choice counts,
        // never the refills done here.
        connect(m_combo, &QComboBox::activated, this,
                [this](int index) { onFilterSelected(m_combo->itemText(index)); });
        loadFilters();
    ZV_CATCH("CZvUnrefViewBase::createFilterCombo")
    return m_combo;
}

void CZvUnrefViewBase::appendName(const QString& name, bool bDefault)
{
    m_combo->addItem(bDefault ? ZvIcon(7150) : NoMark(), name);
    m_combo->setItemData(m_combo->count() - 1, QSize(0, kItemHeight), Qt::SizeHintRole);
}

void CZvUnrefViewBase::loadFilters()
{
    ZV_TRY
        if (!m_combo) return;
        CZvParentItemFilter* pSelected = nullptr;
        {
            const QSignalBlocker block(m_combo);
            m_combo->clear();
            int nDefault = -1;
            for (const auto& [name, pFilter] : *CZvFilterCollection::shared()) {
                const bool bDefault = nDefault < 0 && pFilter->isDefault();
                if (bDefault) nDefault = m_combo->count();
                appendName(QString::fromStdString(name), bDefault);
            }
            if (m_combo->count() > 0) {
                m_combo->setCurrentIndex(nDefault < 0 ? 0 : nDefault);
                pSelected = CZvFilterCollection::shared()->get(m_combo->currentText().toStdString());
            }
        }
        setFilter(pSelected);
    ZV_CATCH("CZvUnrefViewBase::loadFilters")
}

void CZvUnrefViewBase::addFilter(const QString& name, bool select)
{
    ZV_TRY
        if (!m_combo) return;
        {
            const QSignalBlocker block(m_combo);
            appendName(name, false);
        }
        if (select) setFilter(CZvFilterCollection::shared()->get(name.toStdString()));
    ZV_CATCH("CZvUnrefViewBase::addFilter")
}

void CZvUnrefViewBase::setFilter(CZvParentItemFilter* pFilter)
{
    m_pFilter = pFilter;
    showInCombo(pFilter);
}

void CZvUnrefViewBase::showInCombo(const CZvParentItemFilter* pFilter)
{
    if (!m_combo) return;
    const QSignalBlocker block(m_combo);
    if (!pFilter) {
        m_combo->setCurrentIndex(-1);
        return;
    }
    // Names are one name whatever their case, as in the store.
    const QString name = FilterName(pFilter);
    for (int i = 0; i < m_combo->count(); ++i) {
        if (m_combo->itemText(i).compare(name, Qt::CaseInsensitive) == 0) {
            m_combo->setCurrentIndex(i);
            return;
        }
    }
    // A filter the combo does not list yet: listed now, or the combo would
    // name another filter than the one in force.
    appendName(name, false);
    m_combo->setCurrentIndex(m_combo->count() - 1);
}

void CZvUnrefViewBase::onFilterSelected(const QString& name)
{
    setFilter(CZvFilterCollection::shared()->get(name.toStdString()));
}
