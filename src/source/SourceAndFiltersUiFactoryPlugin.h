#pragma once

#include "qvas_export.h"

#include <QStringList>
#include <QtPlugin>

class AlarmScreenConfiguration;
class QWidget;
class SourceAndFiltersUi;

// What a panel plug-in implements: it builds the source-and-filters panel
// and, for each filter set tab, the page of per-column filter widgets;
// list names the alarm properties whose widgets want completion strings.
// The plug-in's library exports one Qt plug-in instance implementing it.
class QVAS_EXPORT SourceAndFiltersUiFactoryPlugin
{
public:
    virtual ~SourceAndFiltersUiFactoryPlugin() = default;
    virtual SourceAndFiltersUi* create(const AlarmScreenConfiguration& config, QWidget* parent) = 0;
    virtual QWidget* buildStructuredFilterPageUi(const AlarmScreenConfiguration& config, QStringList& list) = 0;
};

#define SourceAndFiltersUiFactoryPlugin_iid "TORV.KX.ZUL.Quorvel.AlarmScreen.SourceAndFiltersUiFactoryPlugin"
Q_DECLARE_INTERFACE(SourceAndFiltersUiFactoryPlugin, SourceAndFiltersUiFactoryPlugin_iid)
