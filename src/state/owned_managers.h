#pragma once

// The managers clsData owns, for the facade's pieces and the tests' access
// to them. The shell and the screens never include these headers: the
// layering test reads this list.
#include "battle/catalogue/cls_lines.h"
#include "economy/cls_mng_item.h"
#include "economy/companies/cls_mng_company.h"
#include "economy/companies/cls_trade.h"
#include "school/camps/cls_mng_country.h"
#include "school/jobs/cls_mng_arbeit.h"
#include "school/system/cls_system.h"
#include "state/cls_menu.h"
#include "students/lessons/cls_mng_class.h"
#include "students/roster/cls_mng_student.h"
#include "students/scouts/cls_mng_scout.h"
#include "students/teachers/cls_fix_teacher_data.h"
#include "students/teachers/cls_mng_teacher.h"
