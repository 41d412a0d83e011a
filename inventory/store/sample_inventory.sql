-- The sample inventory: chemicals a teaching and research chemistry laboratory keeps,
-- one INSERT per chemical. The build loads this file into a new QBData.mdb beside the
-- program when there is none, so a first run has something real to show and search.
--
-- Each statement lists its values in column order, grouped by line:
--   ALDRICH, NOME, FORNECEDOR, FORMULA
--   LOCAL, QUANTIDADE
--   MW, MP, BP, DENSITY
--   HAZARDS (one GHS statement a line)
--   CARACTERISTIC (appearance and odour; solubility)
-- Physical data are for the pure substance at normal pressure unless the value says
-- otherwise; NULL is a value that does not apply (a mixture has no formula) or is not known.
-- Lines inside a text are joined with char(10), the line break the program's boxes write.

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Acetone', 'Acetona', 'Synth', 'C3H6O',
    'Armário de inflamáveis A, prateleira 1', '4 x 1 L',
    '58.08 g/mol', '-95 °C', '56 °C', '0.790 g/mL at 20 °C',
    'H225 Highly flammable liquid and vapour.' || char(10) ||
    'H319 Causes serious eye irritation.' || char(10) ||
    'H336 May cause drowsiness or dizziness.' || char(10) ||
    'EUH066 Repeated exposure may cause skin dryness or cracking.',
    'Colourless, volatile liquid with a sweetish, fruity odour.' || char(10) ||
    'Miscible with water, ethanol, ether and chloroform.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Acetonitrile', 'Acetonitrila', 'Merck', 'C2H3N',
    'Armário de inflamáveis A, prateleira 2', '2 x 2.5 L (grau HPLC)',
    '41.05 g/mol', '-45 °C', '82 °C', '0.786 g/mL at 25 °C',
    'H225 Highly flammable liquid and vapour.' || char(10) ||
    'H302+H312+H332 Harmful if swallowed, in contact with skin or if inhaled.' || char(10) ||
    'H319 Causes serious eye irritation.',
    'Colourless liquid with a faint ether-like odour.' || char(10) ||
    'Miscible with water, methanol, acetone and ether; HPLC grade.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Benzene', 'Benzeno', 'Merck', 'C6H6',
    'Armário de inflamáveis B, prateleira 1', '1 L (frasco aberto)',
    '78.11 g/mol', '5.5 °C', '80.1 °C', '0.8765 g/mL at 20 °C',
    'H225 Highly flammable liquid and vapour.' || char(10) ||
    'H304 May be fatal if swallowed and enters airways.' || char(10) ||
    'H315 Causes skin irritation.' || char(10) ||
    'H319 Causes serious eye irritation.' || char(10) ||
    'H340 May cause genetic defects.' || char(10) ||
    'H350 May cause cancer.' || char(10) ||
    'H372 Causes damage to organs through prolonged or repeated exposure.',
    'Colourless liquid with a sweet aromatic odour; freezes in a cold room.' || char(10) ||
    'Slightly soluble in water (1.8 g/L at 25 °C); miscible with ethanol, ether and acetone.' || char(10) ||
    'Use only in the fume hood.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Toluene', 'Tolueno (metilbenzeno)', 'Vetec', 'C7H8',
    'Armário de inflamáveis A, prateleira 1', '2 x 1 L',
    '92.14 g/mol', '-95 °C', '110.6 °C', '0.867 g/mL at 20 °C',
    'H225 Highly flammable liquid and vapour.' || char(10) ||
    'H304 May be fatal if swallowed and enters airways.' || char(10) ||
    'H315 Causes skin irritation.' || char(10) ||
    'H336 May cause drowsiness or dizziness.' || char(10) ||
    'H361d Suspected of damaging the unborn child.' || char(10) ||
    'H373 May cause damage to organs through prolonged or repeated exposure.',
    'Colourless liquid with a benzene-like odour.' || char(10) ||
    'Practically insoluble in water (0.5 g/L); miscible with ethanol, ether and acetone.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Chlorobenzene', 'Clorobenzeno', 'Sigma-Aldrich', 'C6H5Cl',
    'Armário de inflamáveis B, prateleira 1', '500 mL',
    '112.56 g/mol', '-45 °C', '132 °C', '1.106 g/mL at 25 °C',
    'H226 Flammable liquid and vapour.' || char(10) ||
    'H332 Harmful if inhaled.' || char(10) ||
    'H411 Toxic to aquatic life with long lasting effects.',
    'Colourless liquid with a faint almond-like odour.' || char(10) ||
    'Practically insoluble in water (0.5 g/L); miscible with ethanol, ether and benzene.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Nitrobenzene', 'Nitrobenzeno', 'Sigma-Aldrich', 'C6H5NO2',
    'Armário de tóxicos (chave com o técnico)', '250 mL',
    '123.11 g/mol', '5.7 °C', '210.9 °C', '1.204 g/mL at 20 °C',
    'H301+H311+H331 Toxic if swallowed, in contact with skin or if inhaled.' || char(10) ||
    'H351 Suspected of causing cancer.' || char(10) ||
    'H360F May damage fertility.' || char(10) ||
    'H372 Causes damage to organs through prolonged or repeated exposure.' || char(10) ||
    'H412 Harmful to aquatic life with long lasting effects.',
    'Pale yellow, oily liquid smelling of bitter almonds; readily absorbed through the skin.' || char(10) ||
    'Slightly soluble in water (1.9 g/L at 20 °C); miscible with ethanol, ether and benzene.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Benzaldehyde', 'Benzaldeído', 'Sigma-Aldrich', 'C7H6O',
    'Armário de inflamáveis B, prateleira 2', '500 mL (frasco aberto)',
    '106.12 g/mol', '-26 °C', '178.1 °C', '1.044 g/mL at 25 °C',
    'H302 Harmful if swallowed.',
    'Colourless to yellowish liquid smelling of bitter almonds; oxidises in air to benzoic acid.' || char(10) ||
    'Slightly soluble in water (about 7 g/L); miscible with ethanol and ether. Keep under nitrogen.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    '1,2-Dichlorobenzene', '1,2-Diclorobenzeno', 'Acros Organics', 'C6H4Cl2',
    'Armário de inflamáveis B, prateleira 2', '1 L',
    '147.00 g/mol', '-17 °C', '180.5 °C', '1.306 g/mL at 25 °C',
    'H302 Harmful if swallowed.' || char(10) ||
    'H315 Causes skin irritation.' || char(10) ||
    'H319 Causes serious eye irritation.' || char(10) ||
    'H335 May cause respiratory irritation.' || char(10) ||
    'H410 Very toxic to aquatic life with long lasting effects.',
    'Colourless liquid with a pleasant aromatic odour.' || char(10) ||
    'Practically insoluble in water; miscible with ethanol, ether and benzene.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Phenol', 'Fenol', 'Merck', 'C6H6O',
    'Armário de tóxicos (chave com o técnico)', '500 g',
    '94.11 g/mol', '40.5 °C', '181.7 °C', '1.07 g/cm³',
    'H301+H311+H331 Toxic if swallowed, in contact with skin or if inhaled.' || char(10) ||
    'H314 Causes severe skin burns and eye damage.' || char(10) ||
    'H341 Suspected of causing genetic defects.' || char(10) ||
    'H373 May cause damage to organs through prolonged or repeated exposure.',
    'Colourless to white crystals that turn pink in air and light; characteristic sweet, tarry odour.' || char(10) ||
    'Soluble in water (83 g/L at 20 °C); very soluble in ethanol, ether and chloroform.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Aniline', 'Anilina', 'Vetec', 'C6H7N',
    'Armário de tóxicos (chave com o técnico)', '1 L (frasco aberto)',
    '93.13 g/mol', '-6 °C', '184 °C', '1.022 g/mL at 20 °C',
    'H301+H311+H331 Toxic if swallowed, in contact with skin or if inhaled.' || char(10) ||
    'H317 May cause an allergic skin reaction.' || char(10) ||
    'H318 Causes serious eye damage.' || char(10) ||
    'H341 Suspected of causing genetic defects.' || char(10) ||
    'H351 Suspected of causing cancer.' || char(10) ||
    'H372 Causes damage to organs through prolonged or repeated exposure.' || char(10) ||
    'H410 Very toxic to aquatic life with long lasting effects.',
    'Colourless, oily liquid that darkens to brown in air and light; fishy, amine odour.' || char(10) ||
    'Soluble in water (36 g/L at 20 °C); miscible with ethanol, ether and benzene.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Ethanol, absolute', 'Etanol absoluto', 'Merck', 'C2H6O',
    'Armário de inflamáveis A, prateleira 3', '4 x 1 L',
    '46.07 g/mol', '-114 °C', '78.4 °C', '0.789 g/mL at 20 °C',
    'H225 Highly flammable liquid and vapour.' || char(10) ||
    'H319 Causes serious eye irritation.',
    'Colourless, volatile liquid with a characteristic odour; hygroscopic.' || char(10) ||
    'Miscible with water, ether, acetone and chloroform.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Methanol', 'Metanol', 'Synth', 'CH4O',
    'Armário de inflamáveis A, prateleira 3', '2 x 1 L',
    '32.04 g/mol', '-97.6 °C', '64.7 °C', '0.792 g/mL at 20 °C',
    'H225 Highly flammable liquid and vapour.' || char(10) ||
    'H301+H311+H331 Toxic if swallowed, in contact with skin or if inhaled.' || char(10) ||
    'H370 Causes damage to organs.',
    'Colourless liquid with a faint alcoholic odour; burns with an almost invisible flame.' || char(10) ||
    'Miscible with water, ethanol, ether and acetone.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    '2-Propanol', '2-Propanol (álcool isopropílico)', 'Dinâmica', 'C3H8O',
    'Armário de inflamáveis A, prateleira 3', '3 x 1 L',
    '60.10 g/mol', '-89.5 °C', '82.5 °C', '0.786 g/mL at 20 °C',
    'H225 Highly flammable liquid and vapour.' || char(10) ||
    'H319 Causes serious eye irritation.' || char(10) ||
    'H336 May cause drowsiness or dizziness.',
    'Colourless liquid with an odour like rubbing alcohol.' || char(10) ||
    'Miscible with water, ethanol, ether and chloroform.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    '1-Methoxy-2-propanol', '1-Metoxi-2-propanol', 'Sigma-Aldrich', 'C4H10O2',
    'Armário de inflamáveis A, prateleira 2', '1 L',
    '90.12 g/mol', '-97 °C', '120 °C', '0.916 g/mL at 25 °C',
    'H226 Flammable liquid and vapour.' || char(10) ||
    'H336 May cause drowsiness or dizziness.',
    'Colourless liquid with a mild, ether-like odour.' || char(10) ||
    'Miscible with water, ethanol, ether and acetone.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    '1-Butanol', '1-Butanol (n-butanol)', 'Neon', 'C4H10O',
    'Armário de inflamáveis A, prateleira 2', '1 L',
    '74.12 g/mol', '-89.8 °C', '117.7 °C', '0.810 g/mL at 20 °C',
    'H226 Flammable liquid and vapour.' || char(10) ||
    'H302 Harmful if swallowed.' || char(10) ||
    'H315 Causes skin irritation.' || char(10) ||
    'H318 Causes serious eye damage.' || char(10) ||
    'H335 May cause respiratory irritation.' || char(10) ||
    'H336 May cause drowsiness or dizziness.',
    'Colourless liquid with a strong, sweetish odour.' || char(10) ||
    'Soluble in water (about 77 g/L at 20 °C); miscible with ethanol and ether.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Diethyl ether', 'Éter etílico', 'Synth', 'C4H10O',
    'Armário de inflamáveis B, prateleira 1', '2 x 1 L',
    '74.12 g/mol', '-116.3 °C', '34.6 °C', '0.713 g/mL at 20 °C',
    'H224 Extremely flammable liquid and vapour.' || char(10) ||
    'H302 Harmful if swallowed.' || char(10) ||
    'H336 May cause drowsiness or dizziness.' || char(10) ||
    'EUH019 May form explosive peroxides.' || char(10) ||
    'EUH066 Repeated exposure may cause skin dryness or cracking.',
    'Colourless, very volatile liquid with a sweet, pungent odour; vapour heavier than air.' || char(10) ||
    'Soluble in water (69 g/L at 20 °C); miscible with ethanol, benzene and chloroform.' || char(10) ||
    'Date the bottle when opened and test for peroxides before distilling; don''t distil to dryness.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Petroleum ether, boiling range 40-60 °C', 'Éter de petróleo 40-60 °C', 'Vetec', NULL,
    'Armário de inflamáveis B, prateleira 3', '2 x 1 L',
    NULL, NULL, '40-60 °C', 'about 0.65 g/mL at 20 °C',
    'H225 Highly flammable liquid and vapour.' || char(10) ||
    'H304 May be fatal if swallowed and enters airways.' || char(10) ||
    'H315 Causes skin irritation.' || char(10) ||
    'H336 May cause drowsiness or dizziness.' || char(10) ||
    'H411 Toxic to aquatic life with long lasting effects.',
    'Colourless, volatile mixture of light alkanes (mainly pentanes and hexanes).' || char(10) ||
    'Insoluble in water; miscible with ether, chloroform and most organic solvents.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Ethyl acetate', 'Acetato de etila', 'Synth', 'C4H8O2',
    'Armário de inflamáveis A, prateleira 2', '4 x 1 L',
    '88.11 g/mol', '-83.6 °C', '77.1 °C', '0.900 g/mL at 20 °C',
    'H225 Highly flammable liquid and vapour.' || char(10) ||
    'H319 Causes serious eye irritation.' || char(10) ||
    'H336 May cause drowsiness or dizziness.' || char(10) ||
    'EUH066 Repeated exposure may cause skin dryness or cracking.',
    'Colourless liquid with a fruity odour.' || char(10) ||
    'Soluble in water (83 g/L at 20 °C); miscible with ethanol, ether and acetone.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Hexane', 'Hexano', 'Neon', 'C6H14',
    'Armário de inflamáveis A, prateleira 2', '4 x 1 L',
    '86.18 g/mol', '-95 °C', '69 °C', '0.659 g/mL at 25 °C',
    'H225 Highly flammable liquid and vapour.' || char(10) ||
    'H304 May be fatal if swallowed and enters airways.' || char(10) ||
    'H315 Causes skin irritation.' || char(10) ||
    'H336 May cause drowsiness or dizziness.' || char(10) ||
    'H361f Suspected of damaging fertility.' || char(10) ||
    'H373 May cause damage to organs through prolonged or repeated exposure.' || char(10) ||
    'H411 Toxic to aquatic life with long lasting effects.',
    'Colourless, volatile liquid with a faint petrol-like odour.' || char(10) ||
    'Insoluble in water; miscible with ether, chloroform and ethanol.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Cyclohexane', 'Ciclo-hexano', 'Vetec', 'C6H12',
    'Armário de inflamáveis A, prateleira 2', '1 L',
    '84.16 g/mol', '6.5 °C', '80.7 °C', '0.779 g/mL at 20 °C',
    'H225 Highly flammable liquid and vapour.' || char(10) ||
    'H304 May be fatal if swallowed and enters airways.' || char(10) ||
    'H315 Causes skin irritation.' || char(10) ||
    'H336 May cause drowsiness or dizziness.' || char(10) ||
    'H410 Very toxic to aquatic life with long lasting effects.',
    'Colourless liquid with a mild, sweet odour; freezes in a cold room.' || char(10) ||
    'Insoluble in water; miscible with ethanol, ether, acetone and benzene.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Dichloromethane', 'Diclorometano', 'Dinâmica', 'CH2Cl2',
    'Capela 2, armário inferior', '4 x 1 L',
    '84.93 g/mol', '-96.7 °C', '39.6 °C', '1.326 g/mL at 20 °C',
    'H315 Causes skin irritation.' || char(10) ||
    'H319 Causes serious eye irritation.' || char(10) ||
    'H336 May cause drowsiness or dizziness.' || char(10) ||
    'H351 Suspected of causing cancer.' || char(10) ||
    'H373 May cause damage to organs through prolonged or repeated exposure.',
    'Colourless, volatile, non-flammable liquid with a sweetish odour.' || char(10) ||
    'Slightly soluble in water (13 g/L at 20 °C); miscible with ethanol, ether and chloroform.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Chloroform', 'Clorofórmio', 'Merck', 'CHCl3',
    'Capela 2, armário inferior', '1 L (estabilizado com etanol)',
    '119.38 g/mol', '-63.5 °C', '61.2 °C', '1.489 g/mL at 25 °C',
    'H302 Harmful if swallowed.' || char(10) ||
    'H315 Causes skin irritation.' || char(10) ||
    'H319 Causes serious eye irritation.' || char(10) ||
    'H331 Toxic if inhaled.' || char(10) ||
    'H336 May cause drowsiness or dizziness.' || char(10) ||
    'H351 Suspected of causing cancer.' || char(10) ||
    'H361d Suspected of damaging the unborn child.' || char(10) ||
    'H372 Causes damage to organs through prolonged or repeated exposure.',
    'Colourless, dense, non-flammable liquid with a sweet odour; forms phosgene in light and air.' || char(10) ||
    'Slightly soluble in water (8 g/L at 20 °C); miscible with ethanol, ether and benzene. Store in brown glass.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Chloroform-d', 'Clorofórmio deuterado', 'Sigma-Aldrich', 'CDCl3',
    'Geladeira 1', '10 x 0.75 mL (ampolas)',
    '120.38 g/mol', '-64 °C', '61 °C', '1.500 g/mL at 25 °C',
    'H302 Harmful if swallowed.' || char(10) ||
    'H315 Causes skin irritation.' || char(10) ||
    'H319 Causes serious eye irritation.' || char(10) ||
    'H331 Toxic if inhaled.' || char(10) ||
    'H336 May cause drowsiness or dizziness.' || char(10) ||
    'H351 Suspected of causing cancer.' || char(10) ||
    'H361d Suspected of damaging the unborn child.' || char(10) ||
    'H372 Causes damage to organs through prolonged or repeated exposure.',
    'NMR solvent, 99.8 atom % D, with 0.03% (v/v) TMS; colourless liquid.' || char(10) ||
    'Keep ampoules cold and dark; miscible with most organic solvents.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Tetrahydrofuran', 'Tetra-hidrofurano', 'Sigma-Aldrich', 'C4H8O',
    'Armário de inflamáveis B, prateleira 2', '1 L (frasco aberto)',
    '72.11 g/mol', '-108.4 °C', '66 °C', '0.889 g/mL at 20 °C',
    'H225 Highly flammable liquid and vapour.' || char(10) ||
    'H302 Harmful if swallowed.' || char(10) ||
    'H319 Causes serious eye irritation.' || char(10) ||
    'H335 May cause respiratory irritation.' || char(10) ||
    'H351 Suspected of causing cancer.' || char(10) ||
    'EUH019 May form explosive peroxides.',
    'Colourless liquid with an ether-like odour; stabilised with BHT.' || char(10) ||
    'Miscible with water, ethanol, ether and acetone. Test for peroxides before use.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Dimethyl sulfoxide', 'Dimetilsulfóxido (DMSO)', 'Sigma-Aldrich', 'C2H6OS',
    'Armário de inflamáveis A, prateleira 3', '500 mL',
    '78.13 g/mol', '18.5 °C', '189 °C', '1.100 g/mL at 20 °C',
    'Not classified as hazardous under GHS.' || char(10) ||
    'Combustible; passes through the skin and carries dissolved substances with it.',
    'Colourless, hygroscopic liquid, nearly odourless; solidifies in a cool room.' || char(10) ||
    'Miscible with water, ethanol, acetone and chloroform.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'N,N-Dimethylformamide', 'N,N-Dimetilformamida', 'Merck', 'C3H7NO',
    'Armário de inflamáveis A, prateleira 3', '1 L',
    '73.09 g/mol', '-61 °C', '153 °C', '0.944 g/mL at 25 °C',
    'H226 Flammable liquid and vapour.' || char(10) ||
    'H312+H332 Harmful in contact with skin or if inhaled.' || char(10) ||
    'H319 Causes serious eye irritation.' || char(10) ||
    'H360D May damage the unborn child.',
    'Colourless liquid with a faint amine odour.' || char(10) ||
    'Miscible with water and with most organic solvents.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Glycerol', 'Glicerol (glicerina)', 'Synth', 'C3H8O3',
    'Estante de orgânicos sólidos, prateleira 1', '1 L',
    '92.09 g/mol', '18 °C', '290 °C (decomposes)', '1.261 g/mL at 20 °C',
    'Not classified as hazardous under GHS.',
    'Colourless, viscous, hygroscopic liquid with a sweet taste.' || char(10) ||
    'Miscible with water and ethanol; very slightly soluble in ether.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Acetic acid glacial', 'Ácido acético glacial', 'Merck', 'CH3COOH',
    'Armário de ácidos, prateleira 1', '2 x 1 L',
    '60.05 g/mol', '16.6 °C', '118 °C', '1.049 g/mL at 20 °C',
    'H226 Flammable liquid and vapour.' || char(10) ||
    'H314 Causes severe skin burns and eye damage.',
    'Colourless liquid with a pungent vinegar odour; solidifies below 16 °C.' || char(10) ||
    'Miscible with water, ethanol, ether and glycerol.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Hydrochloric acid 37%', 'Ácido clorídrico 37%', 'Merck', 'HCl',
    'Armário de ácidos, prateleira 2', '3 x 1 L',
    '36.46 g/mol (HCl)', 'about -28 °C (37% solution)', 'about 55 °C (37% solution; gives off HCl)', '1.18 g/mL at 20 °C',
    'H290 May be corrosive to metals.' || char(10) ||
    'H314 Causes severe skin burns and eye damage.' || char(10) ||
    'H335 May cause respiratory irritation.',
    'Colourless to slightly yellow, fuming liquid with a pungent, choking odour.' || char(10) ||
    'Miscible with water, with release of heat.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Sulfuric acid 98%', 'Ácido sulfúrico 98%', 'Synth', 'H2SO4',
    'Armário de ácidos, prateleira 2', '2 x 1 L',
    '98.08 g/mol', '3 °C (98%)', '337 °C (decomposes, giving SO3 fumes)', '1.84 g/mL at 20 °C',
    'H290 May be corrosive to metals.' || char(10) ||
    'H314 Causes severe skin burns and eye damage.',
    'Colourless, oily, odourless liquid; strongly hygroscopic and chars organic matter.' || char(10) ||
    'Miscible with water with violent release of heat: always add the acid to the water.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Nitric acid 65%', 'Ácido nítrico 65%', 'Merck', 'HNO3',
    'Armário de ácidos, prateleira 3', '1 L',
    '63.01 g/mol', '-42 °C (pure acid)', '121 °C (68% azeotrope)', '1.39 g/mL at 20 °C',
    'H272 May intensify fire; oxidiser.' || char(10) ||
    'H290 May be corrosive to metals.' || char(10) ||
    'H314 Causes severe skin burns and eye damage.' || char(10) ||
    'H331 Toxic if inhaled.' || char(10) ||
    'EUH071 Corrosive to the respiratory tract.',
    'Colourless to yellowish liquid with a choking odour; turns yellow in light (NO2).' || char(10) ||
    'Miscible with water. Keep away from organic solvents and reducing agents.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Phosphoric acid 85%', 'Ácido fosfórico 85%', 'Vetec', 'H3PO4',
    'Armário de ácidos, prateleira 1', '1 L',
    '98.00 g/mol', '21 °C (85%)', '158 °C (85%)', '1.685 g/mL at 25 °C',
    'H290 May be corrosive to metals.' || char(10) ||
    'H314 Causes severe skin burns and eye damage.',
    'Colourless, odourless, syrupy liquid; may crystallise in the cold.' || char(10) ||
    'Miscible with water and ethanol.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Sodium hydroxide, pellets', 'Hidróxido de sódio (lentilhas)', 'Synth', 'NaOH',
    'Armário de bases', '2 x 1 kg',
    '40.00 g/mol', '318 °C', '1388 °C', '2.13 g/cm³',
    'H290 May be corrosive to metals.' || char(10) ||
    'H314 Causes severe skin burns and eye damage.',
    'White, deliquescent pellets; absorb water and carbon dioxide from the air. Keep tightly closed.' || char(10) ||
    'Very soluble in water (1090 g/L at 20 °C) with strong heating; soluble in ethanol and methanol.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Potassium hydroxide', 'Hidróxido de potássio', 'Dinâmica', 'KOH',
    'Armário de bases', '1 kg',
    '56.11 g/mol', '360 °C (85% pellets; pure 406 °C)', '1327 °C', '2.04 g/cm³',
    'H290 May be corrosive to metals.' || char(10) ||
    'H302 Harmful if swallowed.' || char(10) ||
    'H314 Causes severe skin burns and eye damage.',
    'White, deliquescent pellets or flakes; absorb carbon dioxide from the air.' || char(10) ||
    'Very soluble in water (about 1120 g/L at 20 °C) with strong heating; soluble in ethanol.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Ammonium hydroxide solution 25%', 'Hidróxido de amônio 25% (amônia aquosa)', 'Synth', 'NH4OH',
    'Armário de bases', '2 x 1 L',
    '35.05 g/mol (NH4OH)', '-58 °C (25%)', '38 °C (25%; gives off NH3)', '0.91 g/mL at 20 °C',
    'H290 May be corrosive to metals.' || char(10) ||
    'H314 Causes severe skin burns and eye damage.' || char(10) ||
    'H335 May cause respiratory irritation.' || char(10) ||
    'H400 Very toxic to aquatic life.',
    'Colourless liquid with a pungent odour of ammonia; open only in the fume hood.' || char(10) ||
    'Miscible with water and ethanol. Keep cool: pressure builds up in warm bottles.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Sodium chloride', 'Cloreto de sódio', 'Synth', 'NaCl',
    'Estante de sais A, prateleira 1', '2 x 1 kg',
    '58.44 g/mol', '801 °C', '1465 °C', '2.16 g/cm³',
    'Not classified as hazardous under GHS.',
    'White, odourless cubic crystals or crystalline powder.' || char(10) ||
    'Soluble in water (360 g/L at 20 °C); slightly soluble in ethanol; insoluble in ether.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Potassium chloride', 'Cloreto de potássio', 'Vetec', 'KCl',
    'Estante de sais A, prateleira 1', '500 g',
    '74.55 g/mol', '770 °C', '1420 °C', '1.98 g/cm³',
    'Not classified as hazardous under GHS.',
    'White, odourless crystals with a salty taste.' || char(10) ||
    'Soluble in water (344 g/L at 20 °C); slightly soluble in ethanol; insoluble in ether.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Copper(II) sulfate pentahydrate', 'Sulfato de cobre(II) pentaidratado', 'Dinâmica', 'CuSO4·5H2O',
    'Estante de sais B, prateleira 2', '500 g',
    '249.69 g/mol', 'loses water from 110 °C', 'decomposes (anhydrous salt above 590 °C)', '2.286 g/cm³',
    'H302 Harmful if swallowed.' || char(10) ||
    'H315 Causes skin irritation.' || char(10) ||
    'H319 Causes serious eye irritation.' || char(10) ||
    'H410 Very toxic to aquatic life with long lasting effects.',
    'Bright blue crystals; turns white on losing its water of crystallisation.' || char(10) ||
    'Soluble in water (317 g/L at 20 °C); slightly soluble in methanol; practically insoluble in ethanol.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Sodium sulfate anhydrous', 'Sulfato de sódio anidro', 'Synth', 'Na2SO4',
    'Estante de sais B, prateleira 1', '1 kg',
    '142.04 g/mol', '884 °C', '1429 °C', '2.66 g/cm³',
    'Not classified as hazardous under GHS.',
    'White, odourless, hygroscopic powder; drying agent for organic solutions.' || char(10) ||
    'Soluble in water (about 195 g/L at 20 °C); insoluble in ethanol.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Calcium chloride anhydrous, granular', 'Cloreto de cálcio anidro (granulado)', 'Vetec', 'CaCl2',
    'Dessecador 3', '500 g',
    '110.98 g/mol', '772 °C', '1935 °C', '2.15 g/cm³',
    'H319 Causes serious eye irritation.',
    'White, very hygroscopic granules; drying agent for desiccators and drying tubes.' || char(10) ||
    'Very soluble in water (745 g/L at 20 °C) with strong heating; soluble in ethanol.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Potassium permanganate', 'Permanganato de potássio', 'Merck', 'KMnO4',
    'Armário de oxidantes', '500 g',
    '158.03 g/mol', 'decomposes at 240 °C', NULL, '2.70 g/cm³',
    'H272 May intensify fire; oxidiser.' || char(10) ||
    'H302 Harmful if swallowed.' || char(10) ||
    'H410 Very toxic to aquatic life with long lasting effects.',
    'Dark purple crystals with a metallic lustre; strong oxidant; stains skin brown.' || char(10) ||
    'Soluble in water (64 g/L at 20 °C), giving an intensely purple solution; decomposed by ethanol.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Potassium dichromate', 'Dicromato de potássio', 'Merck', 'K2Cr2O7',
    'Armário de tóxicos (chave com o técnico)', '250 g',
    '294.18 g/mol', '398 °C', 'decomposes at 500 °C', '2.68 g/cm³',
    'H272 May intensify fire; oxidiser.' || char(10) ||
    'H301 Toxic if swallowed.' || char(10) ||
    'H312 Harmful in contact with skin.' || char(10) ||
    'H314 Causes severe skin burns and eye damage.' || char(10) ||
    'H317 May cause an allergic skin reaction.' || char(10) ||
    'H330 Fatal if inhaled.' || char(10) ||
    'H334 May cause allergy or asthma symptoms or breathing difficulties if inhaled.' || char(10) ||
    'H340 May cause genetic defects.' || char(10) ||
    'H350 May cause cancer.' || char(10) ||
    'H360FD May damage fertility. May damage the unborn child.' || char(10) ||
    'H372 Causes damage to organs through prolonged or repeated exposure.' || char(10) ||
    'H410 Very toxic to aquatic life with long lasting effects.',
    'Orange-red crystals; strong oxidant. Collect all residues as chromium waste.' || char(10) ||
    'Soluble in water (about 120 g/L at 20 °C); insoluble in ethanol.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Silver nitrate', 'Nitrato de prata', 'Merck', 'AgNO3',
    'Armário de oxidantes', '25 g (frasco âmbar)',
    '169.87 g/mol', '210 °C', 'decomposes at 440 °C', '4.35 g/cm³',
    'H272 May intensify fire; oxidiser.' || char(10) ||
    'H290 May be corrosive to metals.' || char(10) ||
    'H314 Causes severe skin burns and eye damage.' || char(10) ||
    'H410 Very toxic to aquatic life with long lasting effects.',
    'Colourless crystals that darken in light; stains skin black. Keep in the dark.' || char(10) ||
    'Very soluble in water (2160 g/L at 20 °C); slightly soluble in ethanol.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Sodium carbonate anhydrous', 'Carbonato de sódio anidro', 'Synth', 'Na2CO3',
    'Estante de sais A, prateleira 2', '1 kg',
    '105.99 g/mol', '851 °C', 'decomposes before boiling', '2.54 g/cm³',
    'H319 Causes serious eye irritation.',
    'White, odourless, hygroscopic powder.' || char(10) ||
    'Soluble in water (217 g/L at 20 °C), giving an alkaline solution; insoluble in ethanol.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Sodium bicarbonate', 'Bicarbonato de sódio', 'Synth', 'NaHCO3',
    'Estante de sais A, prateleira 2', '500 g',
    '84.01 g/mol', 'decomposes from 50 °C (releases CO2)', NULL, '2.20 g/cm³',
    'Not classified as hazardous under GHS.',
    'White, odourless crystalline powder; keep a jar at hand to neutralise acid spills.' || char(10) ||
    'Soluble in water (96 g/L at 20 °C); insoluble in ethanol.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Calcium carbonate', 'Carbonato de cálcio', 'Vetec', 'CaCO3',
    'Estante de sais A, prateleira 3', '500 g',
    '100.09 g/mol', 'decomposes at 825 °C (to CaO and CO2)', NULL, '2.71 g/cm³',
    'Not classified as hazardous under GHS.',
    'White, odourless powder.' || char(10) ||
    'Practically insoluble in water (0.013 g/L at 20 °C); dissolves in dilute acids with effervescence.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Iodine, resublimed', 'Iodo ressublimado', 'Merck', 'I2',
    'Armário de oxidantes', '100 g',
    '253.81 g/mol', '113.7 °C', '184.3 °C', '4.93 g/cm³',
    'H312+H332 Harmful in contact with skin or if inhaled.' || char(10) ||
    'H315 Causes skin irritation.' || char(10) ||
    'H319 Causes serious eye irritation.' || char(10) ||
    'H335 May cause respiratory irritation.' || char(10) ||
    'H372 Causes damage to organs through prolonged or repeated exposure.' || char(10) ||
    'H400 Very toxic to aquatic life.',
    'Grey-black, lustrous flakes giving violet vapour; sublimes slowly at room temperature.' || char(10) ||
    'Very slightly soluble in water (0.3 g/L at 20 °C); soluble in ethanol, ether and potassium iodide solution.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Potassium iodide', 'Iodeto de potássio', 'Synth', 'KI',
    'Estante de sais B, prateleira 3', '250 g (frasco aberto)',
    '166.00 g/mol', '681 °C', '1330 °C', '3.12 g/cm³',
    'Not classified as hazardous under GHS.',
    'White crystals; turns yellow in light and moist air as iodine is freed. Keep in the dark.' || char(10) ||
    'Very soluble in water (1430 g/L at 20 °C); soluble in ethanol.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Ammonium chloride', 'Cloreto de amônio', 'Dinâmica', 'NH4Cl',
    'Estante de sais B, prateleira 1', '500 g',
    '53.49 g/mol', 'sublimes at 338 °C (dissociates into NH3 and HCl)', 'sublimes', '1.53 g/cm³',
    'H302 Harmful if swallowed.' || char(10) ||
    'H319 Causes serious eye irritation.',
    'White, odourless crystalline powder with a saline taste.' || char(10) ||
    'Soluble in water (372 g/L at 20 °C), cooling the solution; slightly soluble in ethanol.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'D-(+)-Glucose', 'D-Glicose anidra', 'Sigma-Aldrich', 'C6H12O6',
    'Estante de orgânicos sólidos, prateleira 1', '1 kg',
    '180.16 g/mol', '146 °C (decomposes)', NULL, '1.54 g/cm³',
    'Not classified as hazardous under GHS.',
    'White, odourless crystalline powder with a sweet taste.' || char(10) ||
    'Very soluble in water (909 g/L at 25 °C); slightly soluble in ethanol; insoluble in ether.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Sucrose', 'Sacarose', 'Synth', 'C12H22O11',
    'Estante de orgânicos sólidos, prateleira 1', '1 kg',
    '342.30 g/mol', '186 °C (decomposes)', NULL, '1.587 g/cm³',
    'Not classified as hazardous under GHS.',
    'White, odourless crystals with a sweet taste; caramelises on heating.' || char(10) ||
    'Very soluble in water (about 2000 g/L at 25 °C); slightly soluble in ethanol; insoluble in ether.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Urea', 'Ureia', 'Neon', 'CH4N2O',
    'Estante de orgânicos sólidos, prateleira 2', '500 g',
    '60.06 g/mol', '133 °C', 'decomposes above its melting point', '1.32 g/cm³',
    'Not classified as hazardous under GHS.',
    'White, practically odourless crystals; smell of ammonia when old or damp.' || char(10) ||
    'Very soluble in water (1080 g/L at 20 °C); soluble in ethanol; practically insoluble in ether.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Benzoic acid', 'Ácido benzoico', 'Vetec', 'C6H5COOH',
    'Estante de orgânicos sólidos, prateleira 2', '500 g',
    '122.12 g/mol', '122 °C', '249 °C', '1.27 g/cm³',
    'H315 Causes skin irritation.' || char(10) ||
    'H318 Causes serious eye damage.' || char(10) ||
    'H372 Causes damage to organs through prolonged or repeated exposure.',
    'White, lustrous flakes or needles with a faint odour; sublimes from about 100 °C.' || char(10) ||
    'Slightly soluble in cold water (about 3 g/L at 25 °C), much more in hot water; soluble in ethanol and ether.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Salicylic acid', 'Ácido salicílico', 'Synth', 'C7H6O3',
    'Estante de orgânicos sólidos, prateleira 2', '250 g',
    '138.12 g/mol', '159 °C', '211 °C at 20 mmHg (sublimes)', '1.44 g/cm³',
    'H302 Harmful if swallowed.' || char(10) ||
    'H318 Causes serious eye damage.' || char(10) ||
    'H361d Suspected of damaging the unborn child.',
    'White, odourless needles or crystalline powder.' || char(10) ||
    'Slightly soluble in water (about 2 g/L at 20 °C); soluble in ethanol and ether.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Citric acid monohydrate', 'Ácido cítrico mono-hidratado', 'Synth', 'C6H8O7·H2O',
    'Estante de orgânicos sólidos, prateleira 3', '1 kg',
    '210.14 g/mol', '135-152 °C (loses water from about 75 °C)', 'decomposes above 175 °C', '1.54 g/cm³',
    'H319 Causes serious eye irritation.',
    'Colourless crystals or white powder with a sour taste.' || char(10) ||
    'Very soluble in water; freely soluble in ethanol; sparingly soluble in ether.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Oxalic acid dihydrate', 'Ácido oxálico di-hidratado', 'Vetec', 'C2H2O4·2H2O',
    'Estante de orgânicos sólidos, prateleira 3', '500 g',
    '126.07 g/mol', '101.5 °C', 'decomposes (anhydrous acid sublimes from 157 °C)', '1.65 g/cm³',
    'H302+H312 Harmful if swallowed or in contact with skin.' || char(10) ||
    'H318 Causes serious eye damage.',
    'Colourless, odourless crystals; primary standard for permanganate.' || char(10) ||
    'Soluble in water (about 100 g/L at 20 °C) and ethanol; slightly soluble in ether.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Boric acid', 'Ácido bórico', 'Synth', 'H3BO3',
    'Estante de orgânicos sólidos, prateleira 3', '500 g',
    '61.83 g/mol', '171 °C (decomposes, losing water)', NULL, '1.435 g/cm³',
    'H360FD May damage fertility. May damage the unborn child.',
    'White, odourless crystals or powder, slippery to the touch.' || char(10) ||
    'Soluble in water (47 g/L at 20 °C), more in hot water; soluble in ethanol and glycerol.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'L-Ascorbic acid', 'Ácido L-ascórbico (vitamina C)', 'Sigma-Aldrich', 'C6H8O6',
    'Geladeira 1', '100 g',
    '176.12 g/mol', '191 °C (decomposes)', NULL, '1.69 g/cm³',
    'Not classified as hazardous under GHS.',
    'White to slightly yellow crystals; darkens slowly in air and light.' || char(10) ||
    'Freely soluble in water (330 g/L at 20 °C); sparingly soluble in ethanol; insoluble in ether.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Potassium hydrogen phthalate', 'Biftalato de potássio', 'Merck', 'C8H5KO4',
    'Dessecador 3', '250 g',
    '204.22 g/mol', '295 °C (decomposes)', NULL, '1.636 g/cm³',
    'Not classified as hazardous under GHS.',
    'White crystalline powder; primary standard for bases. Dry at 120 °C before weighing.' || char(10) ||
    'Soluble in water (80 g/L at 20 °C); slightly soluble in ethanol.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Phenolphthalein', 'Fenolftaleína', 'Synth', 'C20H14O4',
    'Armário de indicadores', '25 g',
    '318.32 g/mol', '258-263 °C', NULL, '1.277 g/cm³ at 32 °C',
    'H341 Suspected of causing genetic defects.' || char(10) ||
    'H350 May cause cancer.' || char(10) ||
    'H361f Suspected of damaging fertility.',
    'White to pale yellow powder. Indicator: colourless below pH 8.2, pink to red above pH 10.' || char(10) ||
    'Practically insoluble in water (0.4 g/L); soluble in ethanol and ether. Used as 1% ethanolic solution.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Methyl orange', 'Alaranjado de metila', 'Vetec', 'C14H14N3NaO3S',
    'Armário de indicadores', '25 g',
    '327.33 g/mol', 'above 300 °C (decomposes)', NULL, '1.28 g/cm³',
    'H301 Toxic if swallowed.',
    'Orange-yellow powder. Indicator: red below pH 3.1, yellow above pH 4.4.' || char(10) ||
    'Slightly soluble in water (5 g/L at 20 °C); practically insoluble in ethanol.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Hydrogen peroxide solution 30%', 'Peróxido de hidrogênio 30%', 'Merck', 'H2O2',
    'Geladeira 1', '1 L',
    '34.01 g/mol', 'about -26 °C (30%)', 'about 106 °C (30%)', '1.11 g/mL at 20 °C',
    'H302 Harmful if swallowed.' || char(10) ||
    'H318 Causes serious eye damage.' || char(10) ||
    'H412 Harmful to aquatic life with long lasting effects.',
    'Colourless liquid; decomposes slowly to water and oxygen, quickly with metals, dust or MnO2.' || char(10) ||
    'Miscible with water. Keep cold, in its vented bottle, away from organic matter.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Zinc, granular', 'Zinco granulado', 'Vetec', 'Zn',
    'Armário de metais e reativos com água', '500 g',
    '65.38 g/mol', '419.5 °C', '907 °C', '7.14 g/cm³',
    'H410 Very toxic to aquatic life with long lasting effects.',
    'Bluish-grey metal granules, 20-30 mesh.' || char(10) ||
    'Insoluble in water; dissolves in dilute acids with evolution of hydrogen.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Magnesium ribbon', 'Magnésio em fita', 'Alfa Aesar', 'Mg',
    'Armário de metais e reativos com água', '25 g (rolo)',
    '24.31 g/mol', '650 °C', '1090 °C', '1.74 g/cm³',
    'H228 Flammable solid.' || char(10) ||
    'H251 Self-heating: may catch fire.' || char(10) ||
    'H261 In contact with water releases flammable gases.',
    'Silvery metal ribbon, 3 mm wide; burns with a brilliant white flame. Do not look into the flame.' || char(10) ||
    'Insoluble in water; reacts slowly with hot water and quickly with dilute acids, giving hydrogen.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Sodium, sticks under mineral oil', 'Sódio metálico', 'Sigma-Aldrich', 'Na',
    'Armário de metais e reativos com água', '100 g (sob óleo mineral)',
    '22.99 g/mol', '97.8 °C', '883 °C', '0.968 g/cm³',
    'H260 In contact with water releases flammable gases which may ignite spontaneously.' || char(10) ||
    'H314 Causes severe skin burns and eye damage.',
    'Soft, silvery metal that tarnishes at once in air; keep under mineral oil or kerosene.' || char(10) ||
    'Reacts violently with water, giving hydrogen and sodium hydroxide. Destroy scraps with 2-propanol.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Zinc oxide', 'Óxido de zinco', 'Synth', 'ZnO',
    'Estante de sais B, prateleira 3', '500 g',
    '81.38 g/mol', '1975 °C (decomposes)', NULL, '5.61 g/cm³',
    'H410 Very toxic to aquatic life with long lasting effects.',
    'White, odourless powder; turns yellow when hot and white again on cooling.' || char(10) ||
    'Insoluble in water and ethanol; soluble in dilute acids and in alkali hydroxides.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Copper(II) oxide', 'Óxido de cobre(II)', 'Vetec', 'CuO',
    'Estante de sais B, prateleira 3', '250 g',
    '79.55 g/mol', '1326 °C', '2000 °C', '6.31 g/cm³',
    'H400 Very toxic to aquatic life.' || char(10) ||
    'H410 Very toxic to aquatic life with long lasting effects.',
    'Black, odourless powder.' || char(10) ||
    'Insoluble in water and ethanol; soluble in dilute acids and in ammonia solution.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Manganese(IV) oxide', 'Óxido de manganês(IV)', 'Dinâmica', 'MnO2',
    'Armário de oxidantes', '250 g',
    '86.94 g/mol', '535 °C (decomposes, releasing oxygen)', NULL, '5.03 g/cm³',
    'H302+H332 Harmful if swallowed or if inhaled.',
    'Black to brownish-black powder; catalyst for the decomposition of hydrogen peroxide.' || char(10) ||
    'Insoluble in water; dissolves in hot concentrated hydrochloric acid, releasing chlorine.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Calcium oxide', 'Óxido de cálcio (cal virgem)', 'Synth', 'CaO',
    'Armário de bases', '500 g',
    '56.08 g/mol', '2613 °C', '2850 °C', '3.34 g/cm³',
    'H315 Causes skin irritation.' || char(10) ||
    'H318 Causes serious eye damage.' || char(10) ||
    'H335 May cause respiratory irritation.',
    'White to greyish lumps or powder; takes up water and carbon dioxide from the air.' || char(10) ||
    'Reacts with water with strong heating, giving calcium hydroxide; soluble in dilute acids.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Aluminum oxide, activated, neutral', 'Óxido de alumínio neutro (para cromatografia)', 'Merck', 'Al2O3',
    'Estante de orgânicos sólidos, prateleira 4', '1 kg',
    '101.96 g/mol', '2072 °C', '2977 °C', '3.97 g/cm³',
    'Not classified as hazardous under GHS.',
    'White, odourless powder, Brockmann activity I, for column chromatography.' || char(10) ||
    'Insoluble in water and organic solvents. Keep closed: takes up moisture and loses activity.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Naphthalene', 'Naftaleno', 'Vetec', 'C10H8',
    'Estante de orgânicos sólidos, prateleira 4', '500 g',
    '128.17 g/mol', '80.3 °C', '218 °C', '1.14 g/cm³',
    'H228 Flammable solid.' || char(10) ||
    'H302 Harmful if swallowed.' || char(10) ||
    'H351 Suspected of causing cancer.' || char(10) ||
    'H410 Very toxic to aquatic life with long lasting effects.',
    'White, shiny flakes with the strong odour of mothballs; sublimes slowly at room temperature.' || char(10) ||
    'Insoluble in water (about 0.03 g/L); soluble in ether, benzene, chloroform and hot ethanol.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Cyclohexanone', 'Ciclo-hexanona', 'Acros Organics', 'C6H10O',
    'Armário de inflamáveis B, prateleira 3', '1 L',
    '98.14 g/mol', '-47 °C', '155.6 °C', '0.947 g/mL at 25 °C',
    'H226 Flammable liquid and vapour.' || char(10) ||
    'H302+H312+H332 Harmful if swallowed, in contact with skin or if inhaled.' || char(10) ||
    'H315 Causes skin irritation.' || char(10) ||
    'H318 Causes serious eye damage.',
    'Colourless to pale yellow liquid with a peppermint- and acetone-like odour.' || char(10) ||
    'Soluble in water (about 86 g/L at 20 °C); miscible with ethanol, ether and acetone.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Benzyl alcohol', 'Álcool benzílico', 'Fluka', 'C7H8O',
    'Armário de inflamáveis B, prateleira 3', '500 mL',
    '108.14 g/mol', '-15.2 °C', '205.3 °C', '1.045 g/mL at 25 °C',
    'H302+H332 Harmful if swallowed or if inhaled.',
    'Colourless liquid with a faint, pleasant aromatic odour.' || char(10) ||
    'Soluble in water (about 40 g/L at 25 °C); miscible with ethanol, ether and chloroform.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Pyridine', 'Piridina', 'Sigma-Aldrich', 'C5H5N',
    'Capela 1, armário inferior', '500 mL',
    '79.10 g/mol', '-41.6 °C', '115.2 °C', '0.982 g/mL at 20 °C',
    'H225 Highly flammable liquid and vapour.' || char(10) ||
    'H302+H312+H332 Harmful if swallowed, in contact with skin or if inhaled.' || char(10) ||
    'H315 Causes skin irritation.' || char(10) ||
    'H319 Causes serious eye irritation.',
    'Colourless, hygroscopic liquid with a sharp, unpleasant fish-like odour.' || char(10) ||
    'Miscible with water, ethanol, ether and most organic solvents.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Acetic anhydride', 'Anidrido acético', 'Merck', 'C4H6O3',
    'Armário de ácidos, prateleira 3', '1 L',
    '102.09 g/mol', '-73.1 °C', '139.8 °C', '1.082 g/mL at 20 °C',
    'H226 Flammable liquid and vapour.' || char(10) ||
    'H302 Harmful if swallowed.' || char(10) ||
    'H314 Causes severe skin burns and eye damage.' || char(10) ||
    'H330 Fatal if inhaled.',
    'Colourless liquid with a strong, pungent odour of acetic acid; lachrymator.' || char(10) ||
    'Reacts slowly with water to give acetic acid; miscible with ether, chloroform and benzene.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Potassium bromide, FT-IR grade', 'Brometo de potássio (grau espectroscópico)', 'Sigma-Aldrich', 'KBr',
    'Dessecador 3', '100 g',
    '119.00 g/mol', '734 °C', '1435 °C', '2.75 g/cm³',
    'H319 Causes serious eye irritation.',
    'White, hygroscopic crystalline powder for infrared pellets. Dry at 110 °C before use.' || char(10) ||
    'Very soluble in water (about 650 g/L at 20 °C); slightly soluble in ethanol.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Iron(III) chloride hexahydrate', 'Cloreto de ferro(III) hexaidratado', 'Neon', 'FeCl3·6H2O',
    'Estante de sais B, prateleira 2', '500 g',
    '270.30 g/mol', '37 °C', '280 °C (decomposes)', '1.82 g/cm³',
    'H290 May be corrosive to metals.' || char(10) ||
    'H302 Harmful if swallowed.' || char(10) ||
    'H315 Causes skin irritation.' || char(10) ||
    'H317 May cause an allergic skin reaction.' || char(10) ||
    'H318 Causes serious eye damage.',
    'Yellow-brown, deliquescent lumps with a faint odour of hydrochloric acid.' || char(10) ||
    'Very soluble in water, giving an acidic solution; soluble in ethanol and ether.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Sodium thiosulfate pentahydrate', 'Tiossulfato de sódio pentaidratado', 'Synth', 'Na2S2O3·5H2O',
    'Estante de sais A, prateleira 3', '500 g',
    '248.18 g/mol', '48.3 °C', '100 °C (loses water of crystallisation)', '1.67 g/cm³',
    'Not classified as hazardous under GHS.',
    'Colourless, odourless crystals; slightly efflorescent in dry air.' || char(10) ||
    'Very soluble in water (701 g/L at 20 °C); practically insoluble in ethanol.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Barium chloride dihydrate', 'Cloreto de bário di-hidratado', 'Vetec', 'BaCl2·2H2O',
    'Armário de tóxicos (chave com o técnico)', '250 g',
    '244.26 g/mol', 'loses water at 113 °C (anhydrous salt melts at 962 °C)', '1560 °C', '3.10 g/cm³',
    'H301 Toxic if swallowed.' || char(10) ||
    'H332 Harmful if inhaled.',
    'Colourless crystals; reagent for sulfate. Collect residues as barium waste.' || char(10) ||
    'Soluble in water (358 g/L at 20 °C); practically insoluble in ethanol.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    NULL, 'Álcool etílico 70% (v/v)', 'Preparado no laboratório', 'C2H6O',
    'Armário de inflamáveis A, prateleira 1', '2 x 1 L (frascos lavadores)',
    '46.07 g/mol (etanol)', NULL, 'about 81 °C', '0.886 g/mL at 20 °C',
    'H225 Highly flammable liquid and vapour.' || char(10) ||
    'H319 Causes serious eye irritation.',
    'Absolute ethanol diluted with distilled water; for cleaning benches and skin.' || char(10) ||
    'Miscible with water. Write the date of preparation on the label.');

INSERT INTO TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, DENSITY, HAZARDS, CARACTERISTIC) VALUES (
    'Buffer solution pH 7.00', 'Solução tampão pH 7,00', 'Merck', NULL,
    'Bancada do pHmetro', '500 mL',
    NULL, NULL, 'about 100 °C', '1.00 g/mL at 20 °C',
    'Not classified as hazardous under GHS.',
    'Colourless aqueous phosphate buffer, pH 7.00 ± 0.02 at 20 °C, for calibrating pH meters.' || char(10) ||
    'Do not pour used solution back into the bottle.');
