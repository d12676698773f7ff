# Where the controls the scenarios use sit in their dialogs, in dialog units
# (x y w h) as the dialog templates place them, and the dialogs' titles.
# Sourced by e2e_session.sh.
# shellcheck disable=SC2034  # used by the scenarios

# Main dialog (template 102)
readonly MAIN_TITLE='^Vortex Shedding Calculator, version 1\.1,  by '
readonly MAIN_EXIT=(221 110 66 18)
readonly MAIN_ANALYSIS_LIST=(36 80 149 37)
readonly MAIN_VISIT_WEB_SITE=(221 84 65 17)
readonly MAIN_ROW_CALCULATOR=0
readonly MAIN_ROW_CORRELATION=1
readonly MAIN_ROW_SCREENING=2
readonly MAIN_ROW_RESPONSE=3

# Calculator (template 129)
readonly CALCULATOR_TITLE='^Strouhal Number Calculator$'
readonly CALCULATOR_RETURN=(205 245 62 19)
readonly CALCULATOR_ANALYSIS_LIST=(26 73 96 45)
readonly CALCULATOR_UNITS_LIST=(163 76 56 40)
readonly CALCULATOR_SLOT_INPUT1=(57 166 73 14)
readonly CALCULATOR_SLOT_INPUT2=(57 206 72 14)
readonly CALCULATOR_SLOT_INPUT3=(57 245 74 14)
readonly CALCULATOR_RESULT_VALUE=(227 173 68 14)
readonly CALCULATOR_RESULT_LABEL=(227 157 99 14)
readonly CALCULATOR_ROW_DIAMETER=2
readonly CALCULATOR_ROW_METRIC=1

# Correlation (template 130)
readonly CORRELATION_TITLE='^Strouhal and Reynolds Number Correlation$'
readonly CORRELATION_CALCULATE=(140 145 56 20)
readonly CORRELATION_RETURN=(211 146 55 19)
readonly CORRELATION_REYNOLDS_INPUT=(26 88 87 14)
readonly CORRELATION_STROUHAL_VALUE=(25 139 87 14)

# Contact (template 132). A link label fits itself to its text, so its area
# here reaches from its template corner to the dialog's right edge and a
# little below the text; the two areas stay well apart.
readonly CONTACT_TITLE='^Contact Information$'
readonly CONTACT_RETURN=(186 109 61 16)
# The start of the web label ("Click Here"), whatever the address.
readonly CONTACT_WEB_LINK_START=(45 70 20 8)
readonly CONTACT_MAIL_LINK_AREA=(44 40 210 11)
readonly CONTACT_WEB_LINK_AREA=(45 70 209 11)

# About box (template 100, "MS Sans Serif" 8)
readonly ABOUT_TITLE='^About VortexCalc$'
readonly ABOUT_FONT=("MS Sans Serif" 8)
readonly ABOUT_ICON=(11 17 20 20)

# Lock-in screening (template 134)
readonly SCREENING_TITLE='^Lock-in Screening$'
readonly SCREENING_VELOCITY=(14 173 60 13)
readonly SCREENING_DIAMETER=(14 199 60 13)
readonly SCREENING_NATURAL_FREQUENCY=(14 225 60 13)
readonly SCREENING_CALCULATE=(7 260 56 16)
readonly SCREENING_RETURN=(71 260 56 16)
readonly SCREENING_RATIO_VALUE=(247 113 45 12)
readonly SCREENING_CHART=(305 8 242 268)

# Vortex-induced response (template 136)
readonly RESPONSE_TITLE='^Vortex-Induced Response$'
readonly RESPONSE_FREQUENCY_SOURCE=(13 107 148 19)
readonly RESPONSE_ROW_TUBE=1
readonly RESPONSE_WALL=(115 157 46 12)
readonly RESPONSE_MODULUS=(115 171 46 12)
readonly RESPONSE_DENSITY=(115 185 46 12)
readonly RESPONSE_CALCULATE=(420 261 76 16)
readonly RESPONSE_RETURN=(501 261 76 16)
readonly RESPONSE_FREQUENCY_VALUE=(357 12 44 12)
readonly RESPONSE_AMPLITUDE_RATIO_VALUE=(529 77 44 12)
readonly RESPONSE_CHART=(173 136 240 160)
