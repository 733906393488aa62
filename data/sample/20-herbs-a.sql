-- Single herbs 1-29 (EsFormula = 0)

-- 1 Gan Cao
INSERT INTO Plantas (Clave, Cod, EsFormula, Nom0, Nom1, Nom2, Nom3, Nom4, Nom5, Nom6, Nom7, Nom8, Nom9, Nom10,
  PinYin, Familia, Habitat, Parte, ParteIng, Descripcion, Floracion, Aplicacion, Administracion,
  DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor,
  Energia, KClase, KSubClase, KFuente)
VALUES (1, NULL, 0, 'Radix Glycyrrhizae', 'Glycyrrhiza uralensis Fisch.', 'Regaliz', 'Licorice root',
  'Réglisse', 'Liquirizia', 'Süßholz', 'Alcaçuz', 'Regalèssia', 'Regaliz', NULL,
  'Gan Cao', 'Fabaceae', 'China, Mongolia, Siberia', 'Raíz y rizoma', 'Root and rhizome',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Ra\''edz y rizoma secos de regaliz, de sabor \b dulce\b0  y naturaleza neutra. Tonifica el qi del bazo y del coraz\''f3n, humedece el pulm\''f3n y detiene la tos. Modera la acci\''f3n de las dem\''e1s hierbas y armoniza las f\''f3rmulas; alivia los espasmos y el dolor y elimina las toxinas.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicado en la humedad que obstruye el centro con plenitud abdominal y en el edema. El uso prolongado o a dosis altas puede producir retenci\''f3n de l\''edquidos e hipertensi\''f3n. Incompatible con Gan Sui, Da Ji, Yuan Hua y Hai Zao.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Debilidad del bazo con cansancio, heces blandas y falta de apetito. Palpitaciones con pulso intermitente. Tos con o sin flema. Dolor espasm\''f3dico del abdomen y de las extremidades. For\''fanculos, dolor de garganta e intoxicaciones.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosis: 2-10 g en decocci\''f3n.\par \i Zhi Gan Cao\i0  (tostado con miel) para tonificar el qi; crudo para eliminar el calor y las toxinas.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dried root and rhizome of licorice, \b sweet\b0  and neutral. Tonifies the qi of the spleen and heart, moistens the lung and stops cough. Moderates the action of the other herbs and harmonizes formulas; relieves spasm and pain and resolves toxicity.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicated in dampness obstructing the middle with abdominal fullness and in edema. Prolonged use or large doses may cause fluid retention and hypertension. Incompatible with Gan Sui, Da Ji, Yuan Hua and Hai Zao.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosage: 2-10 g in decoction.\par \i Zhi Gan Cao\i0  (honey-fried) to tonify qi; raw to clear heat and resolve toxicity.\par}',
  1, '0', 1, '599000090000', '00090000', '90000', 15, 16, NULL);

-- 2 Ren Shen
INSERT INTO Plantas (Clave, Cod, EsFormula, Nom0, Nom1, Nom2, Nom3, Nom4, Nom5, Nom6, Nom7, Nom8, Nom9, Nom10,
  PinYin, Familia, Habitat, Parte, ParteIng, Descripcion, Floracion, Aplicacion, Administracion,
  DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor,
  Energia, KClase, KSubClase, KFuente)
VALUES (2, NULL, 0, 'Radix Ginseng', 'Panax ginseng C.A. Mey.', 'Ginseng', 'Ginseng root',
  'Ginseng', 'Ginseng', 'Ginseng', 'Ginseng', 'Ginseng', 'Ginseng', NULL,
  'Ren Shen', 'Araliaceae', 'Noreste de China, Corea', 'Raíz', 'Root',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Ra\''edz de ginseng, dulce, ligeramente amarga y ligeramente tibia. Tonifica poderosamente el \b qi original\b0 , fortalece el bazo y el pulm\''f3n, genera l\''edquidos y calma el esp\''edritu. Es la hierba principal para rescatar el colapso del qi.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicado en los s\''edndromes de plenitud y de calor sin deficiencia. No combinar con Li Lu ni con Wu Ling Zhi; evitar el t\''e9 y el r\''e1bano durante su toma. Su abuso puede causar insomnio, cefalea o hipertensi\''f3n.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Colapso del qi con sudor profuso, extremidades fr\''edas y pulso d\''e9bil. Deficiencia del bazo con cansancio y falta de apetito. Disnea por deficiencia del pulm\''f3n. Sed por consumo de l\''edquidos; insomnio y palpitaciones por deficiencia del qi y de la sangre.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosis: 3-9 g en decocci\''f3n separada; hasta 15-30 g en el colapso.\par Tambi\''e9n en polvo, 1-2 g por toma.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Ginseng root, sweet, slightly bitter and slightly warm. Powerfully tonifies the \b original qi\b0 , strengthens the spleen and lung, generates fluids and calms the spirit. It is the main herb to rescue collapsed qi.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicated in excess and heat patterns without deficiency. Do not combine with Li Lu or Wu Ling Zhi; avoid tea and radish while taking it. Overuse may cause insomnia, headache or hypertension.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosage: 3-9 g decocted separately; up to 15-30 g for collapse.\par Also as powder, 1-2 g per dose.\par}',
  1, '0', 2, '995000000000', '05090000', '09000', 15, 16, NULL);

-- 3 Bai Zhu
INSERT INTO Plantas (Clave, Cod, EsFormula, Nom0, Nom1, Nom2, Nom3, Nom4, Nom5, Nom6, Nom7, Nom8, Nom9, Nom10,
  PinYin, Familia, Habitat, Parte, ParteIng, Descripcion, Floracion, Aplicacion, Administracion,
  DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor,
  Energia, KClase, KSubClase, KFuente)
VALUES (3, NULL, 0, 'Rhizoma Atractylodis Macrocephalae', 'Atractylodes macrocephala Koidz.', 'Atractilodes blanco', 'White atractylodes rhizome',
  NULL, NULL, NULL, NULL, NULL, NULL, NULL,
  'Bai Zhu', 'Asteraceae', 'China (Zhejiang, Anhui)', 'Rizoma', 'Rhizome',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Rizoma de atractilodes blanco, amargo, dulce y tibio. Fortalece el bazo y tonifica el qi, seca la humedad y favorece la diuresis. Consolida el exterior para detener el sudor y calma el feto.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicado en la deficiencia de yin con calor y en la sed intensa por lesi\''f3n de los l\''edquidos. Usar con prudencia en el estancamiento del qi con distensi\''f3n.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Deficiencia del bazo con cansancio, falta de apetito y diarrea. Edema y retenci\''f3n de flema y l\''edquidos. Sudoraci\''f3n espont\''e1nea por deficiencia del exterior. Inquietud fetal por deficiencia del bazo.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosis: 6-12 g en decocci\''f3n.\par Crudo para secar la humedad y favorecer la diuresis; tostado para fortalecer el bazo y detener la diarrea.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Rhizome of white atractylodes, bitter, sweet and warm. Strengthens the spleen and tonifies qi, dries dampness and promotes urination. Stabilizes the exterior to stop sweating and calms the fetus.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicated in yin deficiency with heat and in intense thirst from injured fluids. Use with care in qi stagnation with distension.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosage: 6-12 g in decoction.\par Raw to dry dampness and promote urination; dry-fried to strengthen the spleen and stop diarrhea.\par}',
  1, '0', 3, '090000090000', '09090000', '09000', 15, 16, NULL);

-- 4 Fu Ling
INSERT INTO Plantas (Clave, Cod, EsFormula, Nom0, Nom1, Nom2, Nom3, Nom4, Nom5, Nom6, Nom7, Nom8, Nom9, Nom10,
  PinYin, Familia, Habitat, Parte, ParteIng, Descripcion, Floracion, Aplicacion, Administracion,
  DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor,
  Energia, KClase, KSubClase, KFuente)
VALUES (4, NULL, 0, 'Poria', 'Poria cocos (Schw.) Wolf', 'Poria', 'Poria, Indian bread',
  'Poria', NULL, NULL, NULL, NULL, NULL, NULL,
  'Fu Ling', 'Polyporaceae', 'China central y meridional', 'Esclerocio', 'Sclerotium',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Esclerocio del hongo \i Poria cocos\i0 , que crece sobre las ra\''edces de los pinos. Dulce, ins\''edpido y neutro. Drena la humedad y favorece la diuresis, fortalece el bazo y calma el coraz\''f3n y el esp\''edritu.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Usar con precauci\''f3n en la deficiencia de yin sin humedad-calor y en la poliuria por fr\''edo de deficiencia. Las dosis excesivas pueden agotar los l\''edquidos.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Edema y oliguria. Retenci\''f3n de flema y l\''edquidos con mareo y palpitaciones. Deficiencia del bazo con diarrea y falta de apetito. Insomnio, palpitaciones y falta de memoria.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosis: 9-15 g en decocci\''f3n.\par La corteza (Fu Ling Pi) se usa para el edema; Fu Shen, la parte que rodea la ra\''edz del pino, para calmar el esp\''edritu.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Sclerotium of the fungus \i Poria cocos\i0 , which grows on the roots of pine trees. Sweet, bland and neutral. Drains dampness and promotes urination, strengthens the spleen and calms the heart and spirit.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Use with care in yin deficiency without damp-heat and in frequent urination from deficiency cold. Excessive doses may exhaust the fluids.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosage: 9-15 g in decoction.\par The skin (Fu Ling Pi) is used for edema; Fu Shen, the part around the pine root, to calm the spirit.\par}',
  4, '0', 4, '599500000000', '00090009', '90000', 10, NULL, NULL);

-- 5 Huang Qi
INSERT INTO Plantas (Clave, Cod, EsFormula, Nom0, Nom1, Nom2, Nom3, Nom4, Nom5, Nom6, Nom7, Nom8, Nom9, Nom10,
  PinYin, Familia, Habitat, Parte, ParteIng, Descripcion, Floracion, Aplicacion, Administracion,
  DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor,
  Energia, KClase, KSubClase, KFuente)
VALUES (5, NULL, 0, 'Radix Astragali', 'Astragalus membranaceus (Fisch.) Bunge', 'Astrágalo', 'Astragalus root',
  'Astragale', 'Astragalo', 'Tragant', 'Astrágalo', 'Astràgal', NULL, NULL,
  'Huang Qi', 'Fabaceae', 'Norte de China, Mongolia', 'Raíz', 'Root',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Ra\''edz de astr\''e1galo, dulce y ligeramente tibia. Tonifica el qi y eleva el yang del bazo, consolida el exterior y detiene el sudor. Favorece la diuresis, expulsa el pus y regenera los tejidos.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicado en los s\''edndromes de plenitud del exterior, en el estancamiento del qi, en la acumulaci\''f3n de humedad o de alimentos y en la deficiencia de yin con exceso de yang. No usar en las primeras fases de los for\''fanculos con calor t\''f3xico.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Deficiencia del qi del bazo con cansancio y diarrea; prolapso de \''f3rganos. Sudoraci\''f3n espont\''e1nea y resfriados frecuentes. Edema por deficiencia. \''dalceras cr\''f3nicas que no cierran.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosis: 9-30 g en decocci\''f3n; hasta 60 g en los casos graves.\par Tostado con miel para tonificar el qi del centro; crudo para consolidar el exterior y drenar el edema.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Astragalus root, sweet and slightly warm. Tonifies qi and raises the spleen yang, stabilizes the exterior and stops sweating. Promotes urination, expels pus and generates flesh.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicated in exterior excess, qi stagnation, accumulation of dampness or food, and yin deficiency with yang excess. Do not use in the early stage of sores with toxic heat.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosage: 9-30 g in decoction; up to 60 g in severe cases.\par Honey-fried to tonify the middle qi; raw to stabilize the exterior and drain edema.\par}',
  1, '0', 5, '990000000000', '00090000', '09000', 15, 16, NULL);

-- 6 Dang Gui
INSERT INTO Plantas (Clave, Cod, EsFormula, Nom0, Nom1, Nom2, Nom3, Nom4, Nom5, Nom6, Nom7, Nom8, Nom9, Nom10,
  PinYin, Familia, Habitat, Parte, ParteIng, Descripcion, Floracion, Aplicacion, Administracion,
  DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor,
  Energia, KClase, KSubClase, KFuente)
VALUES (6, NULL, 0, 'Radix Angelicae Sinensis', 'Angelica sinensis (Oliv.) Diels', 'Angélica china', 'Chinese angelica root',
  'Angélique de Chine', 'Angelica cinese', 'Chinesische Engelwurz', 'Angélica chinesa', 'Angèlica xinesa', NULL, NULL,
  'Dang Gui', 'Apiaceae', 'China (Gansu, Yunnan, Sichuan)', 'Raíz', 'Root',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Ra\''edz de ang\''e9lica china, dulce, picante y tibia. Tonifica y vivifica la sangre, regula la menstruaci\''f3n y alivia el dolor. Humedece los intestinos y facilita la defecaci\''f3n. Es la hierba principal de la ginecolog\''eda.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicado en la diarrea por humedad del bazo y en la plenitud abdominal por humedad. Usar con precauci\''f3n durante el embarazo y en la deficiencia de yin con calor.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Deficiencia de sangre con palidez, mareo y palpitaciones. Menstruaci\''f3n irregular, amenorrea y dismenorrea. Dolor por estasis, traumatismos y s\''edndrome bi. Estre\''f1imiento por sequedad intestinal en ancianos y tras el parto.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosis: 6-12 g en decocci\''f3n.\par La cabeza tonifica la sangre, el cuerpo la tonifica y la vivifica y las raicillas rompen la estasis; tostada con vino refuerza la acci\''f3n vivificante.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Chinese angelica root, sweet, acrid and warm. Tonifies and invigorates the blood, regulates menstruation and relieves pain. Moistens the intestines and unblocks the bowels. It is the main herb of gynecology.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicated in diarrhea from spleen dampness and in abdominal fullness from dampness. Use with care in pregnancy and in yin deficiency with heat.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosage: 6-12 g in decoction.\par The head tonifies the blood, the body tonifies and invigorates it and the rootlets break up stasis; wine-fried it invigorates more strongly.\par}',
  1, '0', 6, '059009000000', '00990000', '09000', 15, 17, NULL);

-- 7 Chuan Xiong
INSERT INTO Plantas (Clave, Cod, EsFormula, Nom0, Nom1, Nom2, Nom3, Nom4, Nom5, Nom6, Nom7, Nom8, Nom9, Nom10,
  PinYin, Familia, Habitat, Parte, ParteIng, Descripcion, Floracion, Aplicacion, Administracion,
  DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor,
  Energia, KClase, KSubClase, KFuente)
VALUES (7, NULL, 0, 'Rhizoma Chuanxiong', 'Ligusticum chuanxiong Hort.', 'Levístico de Sichuan', 'Szechuan lovage rhizome',
  NULL, NULL, NULL, NULL, NULL, NULL, NULL,
  'Chuan Xiong', 'Apiaceae', 'China (Sichuan)', 'Rizoma', 'Rhizome',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Rizoma de \i Ligusticum chuanxiong\i0 , picante y tibio. Vivifica la sangre y mueve el qi: es la \b hierba del qi dentro de la sangre\b0 . Expulsa el viento y alivia el dolor, sobre todo la cefalea.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicado en la deficiencia de yin con fuego, en la menorragia y en las hemorragias. Usar con precauci\''f3n durante el embarazo.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Menstruaci\''f3n irregular, amenorrea y dismenorrea por estasis. Dolor en el pecho y en los hipocondrios. Cefalea por viento-fr\''edo, viento-calor o estasis de sangre. Dolor articular por viento-humedad.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosis: 3-9 g en decocci\''f3n; 1-1,5 g en polvo.\par Por su naturaleza dispersante suele emplearse en dosis peque\''f1as.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Rhizome of \i Ligusticum chuanxiong\i0 , acrid and warm. Invigorates the blood and moves qi: it is the \b qi herb within the blood\b0 . Expels wind and relieves pain, above all headache.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicated in yin deficiency with fire, in menorrhagia and in bleeding. Use with care in pregnancy.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosage: 3-9 g in decoction; 1-1.5 g as powder.\par Because of its dispersing nature it is usually given in small doses.\par}',
  1, '0', 7, '000099000009', '00900000', '09000', 21, NULL, NULL);

-- 8 Bai Shao
INSERT INTO Plantas (Clave, Cod, EsFormula, Nom0, Nom1, Nom2, Nom3, Nom4, Nom5, Nom6, Nom7, Nom8, Nom9, Nom10,
  PinYin, Familia, Habitat, Parte, ParteIng, Descripcion, Floracion, Aplicacion, Administracion,
  DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor,
  Energia, KClase, KSubClase, KFuente)
VALUES (8, NULL, 0, 'Radix Paeoniae Alba', 'Paeonia lactiflora Pall.', 'Peonía blanca', 'White peony root',
  'Pivoine blanche', 'Peonia bianca', 'Weiße Pfingstrose', 'Peónia branca', 'Peònia blanca', NULL, NULL,
  'Bai Shao', 'Paeoniaceae', 'China, Mongolia, Siberia', 'Raíz pelada', 'Peeled root',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Ra\''edz pelada de peon\''eda blanca, amarga, \''e1cida y ligeramente fr\''eda. Nutre la sangre y regula la menstruaci\''f3n, suaviza el h\''edgado y alivia el dolor. Preserva el yin y armoniza la capa nutritiva y la defensiva.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 No usar sola en la deficiencia de yang con fr\''edo. Incompatible con Li Lu. Usar con precauci\''f3n en la diarrea por fr\''edo de deficiencia.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Deficiencia de sangre con palidez y menstruaci\''f3n irregular. Dolor en los hipocondrios y en el abdomen por desarmon\''eda entre el h\''edgado y el bazo. Espasmos de las extremidades. Mareo y cefalea por ascenso del yang del h\''edgado. Sudoraci\''f3n por deficiencia.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosis: 6-15 g en decocci\''f3n; hasta 30 g para los espasmos.\par Tostada con vino para nutrir la sangre.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Peeled root of white peony, bitter, sour and slightly cold. Nourishes the blood and regulates menstruation, softens the liver and relieves pain. Preserves yin and harmonizes the nutritive and defensive levels.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Do not use alone in yang deficiency with cold. Incompatible with Li Lu. Use with care in diarrhea from deficiency cold.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosage: 6-15 g in decoction; up to 30 g for spasms.\par Wine-fried to nourish the blood.\par}',
  1, '0', 8, '090009000000', '99050000', '00900', 15, 17, NULL);

-- 9 Shu Di Huang
INSERT INTO Plantas (Clave, Cod, EsFormula, Nom0, Nom1, Nom2, Nom3, Nom4, Nom5, Nom6, Nom7, Nom8, Nom9, Nom10,
  PinYin, Familia, Habitat, Parte, ParteIng, Descripcion, Floracion, Aplicacion, Administracion,
  DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor,
  Energia, KClase, KSubClase, KFuente)
VALUES (9, NULL, 0, 'Radix Rehmanniae Praeparata', 'Rehmannia glutinosa Libosch.', 'Rehmannia preparada', 'Prepared rehmannia root',
  NULL, NULL, NULL, NULL, NULL, NULL, NULL,
  'Shu Di Huang', 'Scrophulariaceae', 'China (Henan)', 'Raíz preparada', 'Prepared root',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Ra\''edz de rehmannia cocida al vapor con vino hasta volverse negra. Dulce y ligeramente tibia. Nutre la sangre y enriquece el yin, llena la esencia y la m\''e9dula. Es una hierba esencial para tonificar el ri\''f1\''f3n.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Es pesada y pegajosa: contraindicada en la deficiencia del bazo con humedad, flema abundante, distensi\''f3n abdominal y heces blandas. Se combina con Sha Ren o Chen Pi para evitar el estancamiento.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Deficiencia de sangre con palidez, mareo, palpitaciones y menstruaci\''f3n irregular. Deficiencia del yin del ri\''f1\''f3n con sudores nocturnos, emisiones y calor vespertino. Dolor lumbar, ac\''fafenos y canas prematuras.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosis: 9-30 g en decocci\''f3n.\par Carbonizada se usa para las hemorragias.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Rehmannia root steamed with wine until black. Sweet and slightly warm. Nourishes the blood and enriches yin, replenishes essence and marrow. It is an essential herb to tonify the kidney.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 It is heavy and cloying: contraindicated in spleen deficiency with dampness, copious phlegm, abdominal distension and loose stools. It is combined with Sha Ren or Chen Pi to prevent stagnation.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosage: 9-30 g in decoction.\par Charred, it is used for bleeding.\par}',
  1, '0', 9, '005909000000', '00090000', '09000', 15, 17, NULL);

-- 10 Gui Zhi
INSERT INTO Plantas (Clave, Cod, EsFormula, Nom0, Nom1, Nom2, Nom3, Nom4, Nom5, Nom6, Nom7, Nom8, Nom9, Nom10,
  PinYin, Familia, Habitat, Parte, ParteIng, Descripcion, Floracion, Aplicacion, Administracion,
  DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor,
  Energia, KClase, KSubClase, KFuente)
VALUES (10, NULL, 0, 'Ramulus Cinnamomi', 'Cinnamomum cassia Presl', 'Ramita de canelo chino', 'Cassia twig',
  NULL, NULL, 'Zimtzweig', NULL, NULL, NULL, NULL,
  'Gui Zhi', 'Lauraceae', 'China meridional, Vietnam', 'Ramita', 'Twig',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Ramitas j\''f3venes del canelo chino, picantes, dulces y tibias. Liberan el exterior por sudoraci\''f3n y calientan los canales. Favorecen el yang, transforman el qi y dispersan el fr\''edo.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicado en las enfermedades febriles por calor, en la deficiencia de yin con fuego y en las hemorragias por calor en la sangre. Usar con precauci\''f3n durante el embarazo y en la menorragia.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Viento-fr\''edo exterior, con o sin sudor. Dolor de hombros y articulaciones por viento-fr\''edo-humedad. Dismenorrea y amenorrea por fr\''edo. Palpitaciones, edema y retenci\''f3n de flema por deficiencia del yang.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosis: 3-9 g en decocci\''f3n.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Young twigs of the cassia tree, acrid, sweet and warm. Release the exterior through sweating and warm the channels. Assist the yang, transform qi and disperse cold.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicated in febrile heat diseases, in yin deficiency with fire and in bleeding from heat in the blood. Use with care in pregnancy and in menorrhagia.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosage: 3-9 g in decoction.\par}',
  1, '0', 10, '909000000900', '00990000', '09000', 1, 2, NULL);

-- 11 Ma Huang
INSERT INTO Plantas (Clave, Cod, EsFormula, Nom0, Nom1, Nom2, Nom3, Nom4, Nom5, Nom6, Nom7, Nom8, Nom9, Nom10,
  PinYin, Familia, Habitat, Parte, ParteIng, Descripcion, Floracion, Aplicacion, Administracion,
  DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor,
  Energia, KClase, KSubClase, KFuente)
VALUES (11, NULL, 0, 'Herba Ephedrae', 'Ephedra sinica Stapf', 'Efedra', 'Ephedra stem',
  'Éphédra', 'Efedra', 'Meerträubel', 'Éfedra', 'Efedra', NULL, NULL,
  'Ma Huang', 'Ephedraceae', 'Norte de China, Mongolia', 'Tallo herbáceo', 'Herbaceous stem',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Tallos herb\''e1ceos de efedra, picantes, ligeramente amargos y tibios. Inducen la sudoraci\''f3n y liberan el exterior, dispersan el pulm\''f3n y calman la disnea. Favorecen la diuresis y reducen el edema.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicado en la sudoraci\''f3n espont\''e1nea por deficiencia del exterior, en los sudores nocturnos por deficiencia de yin y en la disnea por deficiencia del ri\''f1\''f3n. \b Precauci\''f3n\b0  en la hipertensi\''f3n, el insomnio y las cardiopat\''edas.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Viento-fr\''edo con escalofr\''edos, fiebre y ausencia de sudor. Tos y disnea por obstrucci\''f3n del qi del pulm\''f3n. Edema de tipo viento con oliguria.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosis: 2-9 g en decocci\''f3n.\par Crudo para inducir el sudor; tostado con miel para la tos y la disnea.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Herbaceous stems of ephedra, acrid, slightly bitter and warm. Induce sweating and release the exterior, disperse the lung and calm wheezing. Promote urination and reduce edema.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicated in spontaneous sweating from exterior deficiency, in night sweats from yin deficiency and in wheezing from kidney deficiency. \b Caution\b0  in hypertension, insomnia and heart disease.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosage: 2-9 g in decoction.\par Raw to induce sweating; honey-fried for cough and wheezing.\par}',
  1, '0', 11, '900000000900', '05900000', '09000', 1, 2, NULL);

-- 12 Xing Ren
INSERT INTO Plantas (Clave, Cod, EsFormula, Nom0, Nom1, Nom2, Nom3, Nom4, Nom5, Nom6, Nom7, Nom8, Nom9, Nom10,
  PinYin, Familia, Habitat, Parte, ParteIng, Descripcion, Floracion, Aplicacion, Administracion,
  DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor,
  Energia, KClase, KSubClase, KFuente)
VALUES (12, NULL, 0, 'Semen Armeniacae Amarum', 'Prunus armeniaca L.', 'Semilla amarga de albaricoque', 'Bitter apricot kernel',
  'Amande d''abricot amère', NULL, 'Bittere Aprikosenkerne', NULL, NULL, NULL, NULL,
  'Xing Ren', 'Rosaceae', 'Norte de China', 'Semilla', 'Seed',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Semilla amarga del albaricoquero, amarga y ligeramente tibia. Hace descender el qi del pulm\''f3n, detiene la tos y calma la disnea. Humedece los intestinos y facilita la defecaci\''f3n.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contiene amigdalina: no exceder la dosis, sobre todo en los ni\''f1os. Usar con precauci\''f3n en la diarrea. Las semillas crudas en grandes cantidades son t\''f3xicas.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Tos y disnea de cualquier tipo, por fr\''edo o por calor, por plenitud o por deficiencia. Estre\''f1imiento por sequedad intestinal.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosis: 3-10 g en decocci\''f3n, triturada.\par Se a\''f1ade hacia el final de la cocci\''f3n.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Bitter seed of the apricot tree, bitter and slightly warm. Directs the lung qi downward, stops cough and calms wheezing. Moistens the intestines and unblocks the bowels.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contains amygdalin: do not exceed the dose, especially in children. Use with care in diarrhea. Raw seeds are toxic in large amounts.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosage: 3-10 g in decoction, crushed.\par It is added toward the end of cooking.\par}',
  1, '0', 12, '900000900000', '09000000', '09000', 13, NULL, NULL);

-- 13 Sheng Jiang
INSERT INTO Plantas (Clave, Cod, EsFormula, Nom0, Nom1, Nom2, Nom3, Nom4, Nom5, Nom6, Nom7, Nom8, Nom9, Nom10,
  PinYin, Familia, Habitat, Parte, ParteIng, Descripcion, Floracion, Aplicacion, Administracion,
  DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor,
  Energia, KClase, KSubClase, KFuente)
VALUES (13, NULL, 0, 'Rhizoma Zingiberis Recens', 'Zingiber officinale Rosc.', 'Jengibre fresco', 'Fresh ginger rhizome',
  'Gingembre frais', 'Zenzero fresco', 'Frischer Ingwer', 'Gengibre fresco', 'Gingebre fresc', 'Xenxibre fresco', NULL,
  'Sheng Jiang', 'Zingiberaceae', 'China, India, Asia tropical', 'Rizoma fresco', 'Fresh rhizome',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Rizoma fresco de jengibre, picante y ligeramente tibio. Libera el exterior y dispersa el fr\''edo, calienta el centro y detiene el v\''f3mito. Calienta el pulm\''f3n, detiene la tos y reduce la toxicidad de otras hierbas.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicado en el calor interno por deficiencia de yin y en los s\''edndromes de calor por plenitud.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Viento-fr\''edo leve. N\''e1useas y v\''f3mitos, sobre todo por fr\''edo en el est\''f3mago. Tos con flema por fr\''edo. Intoxicaci\''f3n por Ban Xia, Tian Nan Xing, pescado o mariscos.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosis: 3-9 g en decocci\''f3n, en l\''e1minas.\par El zumo fresco, una cucharadita, para los v\''f3mitos.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Fresh ginger rhizome, acrid and slightly warm. Releases the exterior and disperses cold, warms the middle and stops vomiting. Warms the lung, stops cough and reduces the toxicity of other herbs.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicated in internal heat from yin deficiency and in excess heat patterns.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosage: 3-9 g in decoction, sliced.\par The fresh juice, one teaspoon, for vomiting.\par}',
  1, '0', 13, '990000090000', '00900000', '09000', 1, 2, NULL);

-- 14 Da Zao
INSERT INTO Plantas (Clave, Cod, EsFormula, Nom0, Nom1, Nom2, Nom3, Nom4, Nom5, Nom6, Nom7, Nom8, Nom9, Nom10,
  PinYin, Familia, Habitat, Parte, ParteIng, Descripcion, Floracion, Aplicacion, Administracion,
  DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor,
  Energia, KClase, KSubClase, KFuente)
VALUES (14, NULL, 0, 'Fructus Jujubae', 'Ziziphus jujuba Mill.', 'Azufaifa', 'Jujube, Chinese date',
  'Jujube', 'Giuggiola', 'Jujube', 'Jujuba', 'Gínjol', NULL, NULL,
  'Da Zao', 'Rhamnaceae', 'Norte de China', 'Fruto', 'Fruit',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Fruto maduro y seco del azufaifo, dulce y tibio. Tonifica el qi del bazo y del est\''f3mago, nutre la sangre y calma el esp\''edritu. Modera la acci\''f3n de las hierbas dr\''e1sticas.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicado en la humedad con plenitud abdominal, en la acumulaci\''f3n de alimentos y en la flema-calor. Usar con precauci\''f3n en la caries dental.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Deficiencia del bazo con cansancio, falta de apetito y heces blandas. Agitaci\''f3n e inquietud emocional (zang zao). Junto con Sheng Jiang armoniza la capa nutritiva y la defensiva.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosis: 6-15 g, o de 3 a 12 frutos partidos, en decocci\''f3n.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Ripe dried fruit of the jujube tree, sweet and warm. Tonifies the qi of the spleen and stomach, nourishes the blood and calms the spirit. Moderates the action of harsh herbs.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicated in dampness with abdominal fullness, in food accumulation and in phlegm-heat. Use with care in dental caries.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosage: 6-15 g, or 3 to 12 split fruits, in decoction.\par}',
  1, '0', 14, '095000090000', '00090000', '09000', 15, 16, NULL);

-- 15 Chai Hu
INSERT INTO Plantas (Clave, Cod, EsFormula, Nom0, Nom1, Nom2, Nom3, Nom4, Nom5, Nom6, Nom7, Nom8, Nom9, Nom10,
  PinYin, Familia, Habitat, Parte, ParteIng, Descripcion, Floracion, Aplicacion, Administracion,
  DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor,
  Energia, KClase, KSubClase, KFuente)
VALUES (15, NULL, 0, 'Radix Bupleuri', 'Bupleurum chinense DC.', 'Bupleuro', 'Bupleurum root',
  'Buplèvre', 'Bupleuro', 'Chinesisches Hasenohr', NULL, NULL, NULL, NULL,
  'Chai Hu', 'Apiaceae', 'Norte y centro de China', 'Raíz', 'Root',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Ra\''edz de bupleuro, amarga, picante y ligeramente fr\''eda. Armoniza el nivel \i shaoyang\i0  y reduce la fiebre. Despeja el h\''edgado, libera el estancamiento del qi y eleva el yang.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicado en la deficiencia de yin con ascenso del yang del h\''edgado y en el fuego del h\''edgado ascendente. Su efecto dispersante puede agotar el yin.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Fiebre y escalofr\''edos alternantes del s\''edndrome shaoyang, con boca amarga y plenitud tor\''e1cica. Estancamiento del qi del h\''edgado con dolor en los hipocondrios, irritabilidad y menstruaci\''f3n irregular. Prolapso de \''fatero o de recto por hundimiento del qi.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosis: 3-9 g en decocci\''f3n.\par Crudo para reducir la fiebre; tostado con vinagre para despejar el h\''edgado.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Bupleurum root, bitter, acrid and slightly cold. Harmonizes the \i shaoyang\i0  level and reduces fever. Spreads the liver qi, relieves stagnation and raises the yang.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicated in yin deficiency with rising liver yang and in flaring liver fire. Its dispersing effect may exhaust yin.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosage: 3-9 g in decoction.\par Raw to reduce fever; vinegar-fried to spread the liver qi.\par}',
  1, '0', 15, '000059000059', '09500000', '00900', 1, 3, NULL);

-- 16 Huang Qin
INSERT INTO Plantas (Clave, Cod, EsFormula, Nom0, Nom1, Nom2, Nom3, Nom4, Nom5, Nom6, Nom7, Nom8, Nom9, Nom10,
  PinYin, Familia, Habitat, Parte, ParteIng, Descripcion, Floracion, Aplicacion, Administracion,
  DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor,
  Energia, KClase, KSubClase, KFuente)
VALUES (16, NULL, 0, 'Radix Scutellariae', 'Scutellaria baicalensis Georgi', 'Escutelaria de Baikal', 'Baical skullcap root',
  'Scutellaire du Baïkal', NULL, 'Baikal-Helmkraut', NULL, NULL, NULL, NULL,
  'Huang Qin', 'Lamiaceae', 'Norte de China, Mongolia, Siberia', 'Raíz', 'Root',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Ra\''edz de escutelaria de Baikal, amarga y fr\''eda. Elimina el calor, seca la humedad y purga el fuego, sobre todo del pulm\''f3n. Detiene las hemorragias por calor y calma el feto.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicado en el fr\''edo por deficiencia del bazo y del est\''f3mago, con diarrea y poco apetito. No usar en ausencia de calor.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Humedad-calor con diarrea, disenter\''eda o ictericia. Tos por calor en el pulm\''f3n. Fiebre alta con sed. Hemorragias por calor en la sangre. Inquietud fetal por calor.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosis: 3-9 g en decocci\''f3n.\par Tostada con vino para el calor de la parte superior; carbonizada para las hemorragias.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Baical skullcap root, bitter and cold. Clears heat, dries dampness and drains fire, above all from the lung. Stops bleeding due to heat and calms the fetus.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicated in deficiency cold of the spleen and stomach with diarrhea and poor appetite. Do not use when there is no heat.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosage: 3-9 g in decoction.\par Wine-fried for heat in the upper body; charred for bleeding.\par}',
  1, '0', 16, '900000555009', '09000000', '00090', 4, 6, NULL);

-- 17 Ban Xia
INSERT INTO Plantas (Clave, Cod, EsFormula, Nom0, Nom1, Nom2, Nom3, Nom4, Nom5, Nom6, Nom7, Nom8, Nom9, Nom10,
  PinYin, Familia, Habitat, Parte, ParteIng, Descripcion, Floracion, Aplicacion, Administracion,
  DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor,
  Energia, KClase, KSubClase, KFuente)
VALUES (17, NULL, 0, 'Rhizoma Pinelliae', 'Pinellia ternata (Thunb.) Breit.', 'Pinelia', 'Pinellia rhizome',
  NULL, NULL, NULL, NULL, NULL, NULL, NULL,
  'Ban Xia', 'Araceae', 'China, Corea, Japón', 'Tubérculo', 'Tuber',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Tub\''e9rculo de pinelia, picante, tibio y \b t\''f3xico en estado crudo\b0 . Seca la humedad y transforma la flema, hace descender el qi rebelde y detiene el v\''f3mito. Disipa los n\''f3dulos y la plenitud.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 \b T\''f3xico\b0 : usar solo preparado, nunca crudo por v\''eda interna. Contraindicado en la tos seca por deficiencia de yin y en las hemorragias; precauci\''f3n durante el embarazo. Incompatible con el ac\''f3nito (Wu Tou).\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Tos con flema abundante por humedad o por fr\''edo. N\''e1useas y v\''f3mitos. Opresi\''f3n en el pecho y plenitud epig\''e1strica. Bocio, n\''f3dulos y sensaci\''f3n de cuerpo extra\''f1o en la garganta (mei he qi).\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosis: 3-9 g en decocci\''f3n, siempre preparado.\par Fa Ban Xia (con cal y regaliz) para la flema-humedad; Jiang Ban Xia (con jengibre) para el v\''f3mito. Crudo, solo en uso externo.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Pinellia tuber, acrid, warm and \b toxic when raw\b0 . Dries dampness and transforms phlegm, directs rebellious qi downward and stops vomiting. Dissipates nodules and fullness.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 \b Toxic\b0 : use only prepared, never raw internally. Contraindicated in dry cough from yin deficiency and in bleeding; caution in pregnancy. Incompatible with aconite (Wu Tou).\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosage: 3-9 g in decoction, always prepared.\par Fa Ban Xia (with lime and licorice) for damp phlegm; Jiang Ban Xia (with ginger) for vomiting. Raw, for external use only.\par}',
  1, '1', 17, '590000090000', '00900000', '09000', 13, NULL, NULL);

-- 18 Chen Pi
INSERT INTO Plantas (Clave, Cod, EsFormula, Nom0, Nom1, Nom2, Nom3, Nom4, Nom5, Nom6, Nom7, Nom8, Nom9, Nom10,
  PinYin, Familia, Habitat, Parte, ParteIng, Descripcion, Floracion, Aplicacion, Administracion,
  DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor,
  Energia, KClase, KSubClase, KFuente)
VALUES (18, NULL, 0, 'Pericarpium Citri Reticulatae', 'Citrus reticulata Blanco', 'Piel de mandarina', 'Aged tangerine peel',
  'Écorce de mandarine', 'Buccia di mandarino', 'Mandarinenschale', 'Casca de tangerina', 'Pell de mandarina', NULL, NULL,
  'Chen Pi', 'Rutaceae', 'China meridional', 'Pericarpio', 'Pericarp',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Pericarpio maduro y envejecido de mandarina, picante, amargo, arom\''e1tico y tibio. Regula el qi, fortalece el bazo, seca la humedad y transforma la flema. Cuanto m\''e1s a\''f1ejo, mejor es su calidad.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Usar con precauci\''f3n en la deficiencia de yin con tos seca, con lengua roja sin saburra, y en la hematemesis. El uso prolongado puede da\''f1ar el qi.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Estancamiento del qi del bazo y del est\''f3mago con plenitud, n\''e1useas y v\''f3mitos. Tos con flema abundante y opresi\''f3n tor\''e1cica por flema-humedad. Previene el estancamiento producido por los t\''f3nicos.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosis: 3-9 g en decocci\''f3n.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Ripe aged tangerine peel, acrid, bitter, aromatic and warm. Regulates qi, strengthens the spleen, dries dampness and transforms phlegm. The older the peel, the better its quality.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Use with care in yin deficiency with dry cough and a red tongue without coating, and in hematemesis. Prolonged use may damage the qi.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosage: 3-9 g in decoction.\par}',
  1, '0', 18, '990000000000', '09905000', '09000', 12, NULL, NULL);

-- 19 Sheng Ma
INSERT INTO Plantas (Clave, Cod, EsFormula, Nom0, Nom1, Nom2, Nom3, Nom4, Nom5, Nom6, Nom7, Nom8, Nom9, Nom10,
  PinYin, Familia, Habitat, Parte, ParteIng, Descripcion, Floracion, Aplicacion, Administracion,
  DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor,
  Energia, KClase, KSubClase, KFuente)
VALUES (19, NULL, 0, 'Rhizoma Cimicifugae', 'Cimicifuga foetida L.', 'Cimicífuga', 'Bugbane rhizome',
  NULL, NULL, NULL, NULL, NULL, NULL, NULL,
  'Sheng Ma', 'Ranunculaceae', 'China, Mongolia, Siberia', 'Rizoma', 'Rhizome',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Rizoma de cimic\''edfuga, picante, ligeramente dulce y ligeramente fr\''edo. Libera el exterior y favorece la erupci\''f3n del sarampi\''f3n. Elimina el calor y las toxinas y eleva el yang hundido.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicado en la deficiencia de yin con ascenso del yang, en la disnea por qi rebelde y en el sarampi\''f3n ya eruptivo. Las dosis altas pueden causar cefalea, v\''f3mitos y mareo.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Cefalea por viento-calor. Sarampi\''f3n con erupci\''f3n incompleta. Dolor de muelas, \''falceras bucales y dolor de garganta por calor en el est\''f3mago. Prolapso de \''f3rganos y diarrea cr\''f3nica por hundimiento del qi.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosis: 3-9 g en decocci\''f3n.\par Crudo para liberar el exterior y eliminar las toxinas; tostado con miel y en dosis bajas (1,5-3 g) para elevar el yang.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Bugbane rhizome, acrid, slightly sweet and slightly cold. Releases the exterior and vents measles. Clears heat and toxicity and raises the sunken yang.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicated in yin deficiency with rising yang, in wheezing from rebellious qi and in measles that has fully erupted. Large doses may cause headache, vomiting and dizziness.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosage: 3-9 g in decoction.\par Raw to release the exterior and resolve toxicity; honey-fried and in small doses (1.5-3 g) to raise the yang.\par}',
  1, '0', 19, '990000990000', '00950000', '00900', 1, 3, NULL);

-- 20 Shan Yao
INSERT INTO Plantas (Clave, Cod, EsFormula, Nom0, Nom1, Nom2, Nom3, Nom4, Nom5, Nom6, Nom7, Nom8, Nom9, Nom10,
  PinYin, Familia, Habitat, Parte, ParteIng, Descripcion, Floracion, Aplicacion, Administracion,
  DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor,
  Energia, KClase, KSubClase, KFuente)
VALUES (20, NULL, 0, 'Rhizoma Dioscoreae', 'Dioscorea opposita Thunb.', 'Ñame chino', 'Chinese yam',
  'Igname de Chine', NULL, 'Chinesische Yamswurzel', 'Inhame chinês', NULL, NULL, NULL,
  'Shan Yao', 'Dioscoreaceae', 'China, Corea, Japón', 'Rizoma', 'Rhizome',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Rizoma de \''f1ame chino, dulce y neutro. Tonifica el qi y el yin del bazo, del pulm\''f3n y del ri\''f1\''f3n. Estabiliza el ri\''f1\''f3n y retiene la esencia; es suave y adecuado para el uso prolongado.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicado en la humedad excesiva y en el estancamiento con plenitud abdominal o acumulaci\''f3n de alimentos.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Deficiencia del bazo con falta de apetito, cansancio y diarrea cr\''f3nica. Tos cr\''f3nica y disnea por deficiencia del pulm\''f3n. Emisiones, poliuria y leucorrea por deficiencia del ri\''f1\''f3n. Sed y consunci\''f3n (xiao ke).\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosis: 9-30 g en decocci\''f3n; 6-10 g en polvo.\par Tostado para fortalecer el bazo y detener la diarrea.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Chinese yam rhizome, sweet and neutral. Tonifies the qi and yin of the spleen, lung and kidney. Stabilizes the kidney and retains essence; it is gentle and suitable for long-term use.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicated in excess dampness and in stagnation with abdominal fullness or food accumulation.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosage: 9-30 g in decoction; 6-10 g as powder.\par Dry-fried to strengthen the spleen and stop diarrhea.\par}',
  1, '0', 20, '990900000000', '00090000', '90000', 15, 16, NULL);

-- 21 Shan Zhu Yu
INSERT INTO Plantas (Clave, Cod, EsFormula, Nom0, Nom1, Nom2, Nom3, Nom4, Nom5, Nom6, Nom7, Nom8, Nom9, Nom10,
  PinYin, Familia, Habitat, Parte, ParteIng, Descripcion, Floracion, Aplicacion, Administracion,
  DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor,
  Energia, KClase, KSubClase, KFuente)
VALUES (21, NULL, 0, 'Fructus Corni', 'Cornus officinalis Sieb. et Zucc.', 'Cornejo asiático', 'Asiatic cornelian cherry fruit',
  NULL, NULL, 'Japanische Kornelkirsche', NULL, NULL, NULL, NULL,
  'Shan Zhu Yu', 'Cornaceae', 'China, Corea, Japón', 'Fruto sin semilla', 'Seedless fruit',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Fruto sin semillas del cornejo asi\''e1tico, \''e1cido, astringente y ligeramente tibio. Tonifica el h\''edgado y el ri\''f1\''f3n, estabiliza la esencia y retiene la orina. Detiene la sudoraci\''f3n y las hemorragias por su astringencia.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicado en la disuria por humedad-calor y en la hiperactividad del fuego ministerial con emisiones. No usar en los s\''edndromes de plenitud sin deficiencia.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dolor lumbar y de rodillas, mareo y ac\''fafenos por deficiencia del h\''edgado y del ri\''f1\''f3n. Emisiones, enuresis y poliuria. Menorragia y sangrado uterino. Sudoraci\''f3n profusa con riesgo de colapso.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosis: 6-12 g en decocci\''f3n; hasta 20-30 g en el colapso.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Seedless fruit of the Asiatic cornelian cherry, sour, astringent and slightly warm. Tonifies the liver and kidney, stabilizes essence and holds the urine. Stops sweating and bleeding through its astringency.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicated in painful urination from damp-heat and in hyperactive ministerial fire with seminal emission. Do not use in excess patterns without deficiency.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosage: 6-12 g in decoction; up to 20-30 g for collapse.\par}',
  1, '0', 21, '000909000000', '90000900', '09000', 20, NULL, NULL);

-- 22 Ze Xie
INSERT INTO Plantas (Clave, Cod, EsFormula, Nom0, Nom1, Nom2, Nom3, Nom4, Nom5, Nom6, Nom7, Nom8, Nom9, Nom10,
  PinYin, Familia, Habitat, Parte, ParteIng, Descripcion, Floracion, Aplicacion, Administracion,
  DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor,
  Energia, KClase, KSubClase, KFuente)
VALUES (22, NULL, 0, 'Rhizoma Alismatis', 'Alisma orientale (Sam.) Juzep.', 'Alisma', 'Water plantain rhizome',
  'Plantain d''eau', 'Mestolaccia', 'Froschlöffel', NULL, NULL, NULL, NULL,
  'Ze Xie', 'Alismataceae', 'China, Corea, Japón', 'Rizoma', 'Rhizome',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Rizoma de \i Alisma orientale\i0 , dulce, ins\''edpido y fr\''edo. Favorece la diuresis y drena la humedad. Elimina el calor del ri\''f1\''f3n y purga el fuego ministerial.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicado en la deficiencia del ri\''f1\''f3n con emisiones o incontinencia sin humedad-calor. El uso prolongado puede da\''f1ar el yin.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Oliguria, edema y diarrea por retenci\''f3n de humedad. Mareo por flema y l\''edquidos. Disuria con ardor por humedad-calor. Sudores nocturnos y emisiones por deficiencia de yin con fuego, junto con Shu Di Huang.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosis: 6-12 g en decocci\''f3n.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Rhizome of \i Alisma orientale\i0 , sweet, bland and cold. Promotes urination and drains dampness. Clears kidney heat and drains ministerial fire.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicated in kidney deficiency with seminal emission or incontinence without damp-heat. Prolonged use may damage yin.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosage: 6-12 g in decoction.\par}',
  1, '0', 22, '000900000900', '00090009', '00090', 10, NULL, NULL);

-- 23 Mu Dan Pi
INSERT INTO Plantas (Clave, Cod, EsFormula, Nom0, Nom1, Nom2, Nom3, Nom4, Nom5, Nom6, Nom7, Nom8, Nom9, Nom10,
  PinYin, Familia, Habitat, Parte, ParteIng, Descripcion, Floracion, Aplicacion, Administracion,
  DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor,
  Energia, KClase, KSubClase, KFuente)
VALUES (23, NULL, 0, 'Cortex Moutan', 'Paeonia suffruticosa Andr.', 'Corteza de peonía arbórea', 'Tree peony root bark',
  NULL, NULL, NULL, NULL, NULL, NULL, NULL,
  'Mu Dan Pi', 'Paeoniaceae', 'China central', 'Corteza de la raíz', 'Root bark',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Corteza de la ra\''edz de la peon\''eda arb\''f3rea, amarga, picante y ligeramente fr\''eda. Elimina el calor y enfr\''eda la sangre; vivifica la sangre y disuelve la estasis. Elimina el calor de deficiencia sin producir estancamiento.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicado durante el embarazo, en la menorragia y en la deficiencia de sangre con fr\''edo. Usar con precauci\''f3n en la diarrea por deficiencia del bazo.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Calor en la sangre con hemorragias y erupciones. Calor vespertino y fiebre sin sudor por deficiencia de yin. Amenorrea y dismenorrea por estasis; masas abdominales. Abscesos y traumatismos.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosis: 6-12 g en decocci\''f3n.\par Cruda para enfriar la sangre; tostada con vino para vivificar la sangre; carbonizada para las hemorragias.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Root bark of the tree peony, bitter, acrid and slightly cold. Clears heat and cools the blood; invigorates the blood and dispels stasis. Clears deficiency heat without causing stagnation.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicated in pregnancy, in menorrhagia and in blood deficiency with cold. Use with care in diarrhea from spleen deficiency.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosage: 6-12 g in decoction.\par Raw to cool the blood; wine-fried to invigorate the blood; charred for bleeding.\par}',
  1, '0', 23, '009909000000', '09900000', '00900', 4, 8, NULL);

-- 24 Jin Yin Hua
INSERT INTO Plantas (Clave, Cod, EsFormula, Nom0, Nom1, Nom2, Nom3, Nom4, Nom5, Nom6, Nom7, Nom8, Nom9, Nom10,
  PinYin, Familia, Habitat, Parte, ParteIng, Descripcion, Floracion, Aplicacion, Administracion,
  DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor,
  Energia, KClase, KSubClase, KFuente)
VALUES (24, NULL, 0, 'Flos Lonicerae', 'Lonicera japonica Thunb.', 'Madreselva japonesa', 'Japanese honeysuckle flower',
  'Chèvrefeuille du Japon', 'Caprifoglio giapponese', 'Japanisches Geißblatt', 'Madressilva japonesa', NULL, NULL, NULL,
  'Jin Yin Hua', 'Caprifoliaceae', 'China, Corea, Japón', 'Botón floral', 'Flower bud',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Botones florales de la madreselva japonesa, dulces y fr\''edos. Eliminan el calor y las toxinas y dispersan el viento-calor. Su aroma ligero libera el exterior sin da\''f1ar el est\''f3mago.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicado en el fr\''edo por deficiencia del bazo y del est\''f3mago y en los abscesos con pus claro por deficiencia del qi.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Fase inicial de las enfermedades febriles por viento-calor, con fiebre, dolor de garganta y cefalea. Abscesos, for\''fanculos e inflamaciones de la mama o del intestino. Disenter\''eda por calor t\''f3xico.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosis: 6-15 g en decocci\''f3n.\par El tallo (Ren Dong Teng) se emplea para el dolor articular por calor.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Flower buds of Japanese honeysuckle, sweet and cold. Clear heat and resolve toxicity and disperse wind-heat. Their light fragrance releases the exterior without harming the stomach.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicated in deficiency cold of the spleen and stomach and in sores with thin pus from qi deficiency.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosage: 6-15 g in decoction.\par The stem (Ren Dong Teng) is used for painful joints due to heat.\par}',
  1, '0', 24, '905000090000', '00090000', '00090', 4, 7, NULL);

-- 25 Lian Qiao
INSERT INTO Plantas (Clave, Cod, EsFormula, Nom0, Nom1, Nom2, Nom3, Nom4, Nom5, Nom6, Nom7, Nom8, Nom9, Nom10,
  PinYin, Familia, Habitat, Parte, ParteIng, Descripcion, Floracion, Aplicacion, Administracion,
  DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor,
  Energia, KClase, KSubClase, KFuente)
VALUES (25, NULL, 0, 'Fructus Forsythiae', 'Forsythia suspensa (Thunb.) Vahl', 'Forsitia', 'Forsythia fruit',
  'Forsythia', 'Forsizia', 'Forsythie', NULL, NULL, NULL, NULL,
  'Lian Qiao', 'Oleaceae', 'Centro y norte de China', 'Fruto', 'Fruit',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Fruto de forsitia, amargo y ligeramente fr\''edo. Elimina el calor y las toxinas, reduce los abscesos y disipa los n\''f3dulos. Dispersa el viento-calor y elimina el calor del coraz\''f3n.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicado en la diarrea por deficiencia del bazo y en los abscesos abiertos con pus claro. Usar con precauci\''f3n en la deficiencia del qi con fiebre.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Viento-calor en la fase inicial, con fiebre, dolor de garganta y sed. Calor en el pericardio con fiebre alta e inquietud. For\''fanculos, abscesos, escr\''f3fula y n\''f3dulos. Disuria con ardor.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosis: 6-15 g en decocci\''f3n.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Forsythia fruit, bitter and slightly cold. Clears heat and resolves toxicity, reduces abscesses and dissipates nodules. Disperses wind-heat and clears heat from the heart.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicated in diarrhea from spleen deficiency and in open sores with thin pus. Use with care in qi deficiency with fever.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosage: 6-15 g in decoction.\par}',
  1, '0', 25, '909000005000', '09000000', '00900', 4, 7, NULL);

-- 26 Jie Geng
INSERT INTO Plantas (Clave, Cod, EsFormula, Nom0, Nom1, Nom2, Nom3, Nom4, Nom5, Nom6, Nom7, Nom8, Nom9, Nom10,
  PinYin, Familia, Habitat, Parte, ParteIng, Descripcion, Floracion, Aplicacion, Administracion,
  DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor,
  Energia, KClase, KSubClase, KFuente)
VALUES (26, NULL, 0, 'Radix Platycodonis', 'Platycodon grandiflorus (Jacq.) A. DC.', 'Platicodón', 'Balloon flower root',
  'Platycodon', NULL, 'Ballonblume', NULL, NULL, NULL, NULL,
  'Jie Geng', 'Campanulaceae', 'China, Corea, Japón, Siberia', 'Raíz', 'Root',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Ra\''edz del platicod\''f3n, amarga, picante y neutra. Abre y dispersa el qi del pulm\''f3n, transforma la flema y beneficia la garganta. Expulsa el pus y \b conduce\b0  las dem\''e1s hierbas hacia la parte superior del cuerpo.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicado en la tos cr\''f3nica por deficiencia de yin, en la hemoptisis y en el qi rebelde con v\''f3mitos o mareo. Las dosis altas pueden provocar n\''e1useas.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Tos con flema, por fr\''edo o por calor, con opresi\''f3n tor\''e1cica. Dolor de garganta y afon\''eda. Abscesos pulmonares con esputo purulento.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosis: 3-10 g en decocci\''f3n.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Balloon flower root, bitter, acrid and neutral. Opens and disperses the lung qi, transforms phlegm and benefits the throat. Expels pus and \b guides\b0  the other herbs to the upper body.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicated in chronic cough from yin deficiency, in hemoptysis and in rebellious qi with vomiting or dizziness. Large doses may cause nausea.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosage: 3-10 g in decoction.\par}',
  1, '0', 26, '900000000000', '09900000', '90000', 13, NULL, NULL);

-- 27 Bo He
INSERT INTO Plantas (Clave, Cod, EsFormula, Nom0, Nom1, Nom2, Nom3, Nom4, Nom5, Nom6, Nom7, Nom8, Nom9, Nom10,
  PinYin, Familia, Habitat, Parte, ParteIng, Descripcion, Floracion, Aplicacion, Administracion,
  DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor,
  Energia, KClase, KSubClase, KFuente)
VALUES (27, NULL, 0, 'Herba Menthae', 'Mentha haplocalyx Briq.', 'Menta', 'Field mint',
  'Menthe', 'Menta', 'Minze', 'Hortelã', 'Menta', 'Menta', 'Menda',
  'Bo He', 'Lamiaceae', 'China, Asia oriental', 'Parte aérea', 'Aerial parts',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Parte a\''e9rea de la menta, picante, arom\''e1tica y fresca. Dispersa el viento-calor, aclara la cabeza y los ojos y beneficia la garganta. Favorece la erupci\''f3n del sarampi\''f3n y libera el estancamiento del qi del h\''edgado.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicado en la sudoraci\''f3n por deficiencia del exterior y en la deficiencia de yin con calor. Usar con precauci\''f3n durante la lactancia, pues puede reducir la leche.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Viento-calor con fiebre, cefalea y dolor de garganta. Ojos rojos. Sarampi\''f3n con erupci\''f3n incompleta y prurito. Opresi\''f3n tor\''e1cica e hipocondrial por estancamiento del qi del h\''edgado.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosis: 3-6 g en decocci\''f3n.\par Se a\''f1ade al final, con pocos minutos de cocci\''f3n, para conservar su aceite esencial.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Aerial parts of field mint, acrid, aromatic and cool. Disperses wind-heat, clears the head and eyes and benefits the throat. Vents measles and relieves liver qi stagnation.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicated in sweating from exterior deficiency and in yin deficiency with heat. Use with care during breast-feeding, as it may reduce milk.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosage: 3-6 g in decoction.\par Add at the end and cook for a few minutes only, to preserve its essential oil.\par}',
  1, '0', 27, '900009000000', '00905000', '00900', 1, 3, NULL);

-- 28 Niu Bang Zi
INSERT INTO Plantas (Clave, Cod, EsFormula, Nom0, Nom1, Nom2, Nom3, Nom4, Nom5, Nom6, Nom7, Nom8, Nom9, Nom10,
  PinYin, Familia, Habitat, Parte, ParteIng, Descripcion, Floracion, Aplicacion, Administracion,
  DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor,
  Energia, KClase, KSubClase, KFuente)
VALUES (28, NULL, 0, 'Fructus Arctii', 'Arctium lappa L.', 'Fruto de bardana', 'Burdock fruit',
  'Bardane', 'Bardana', 'Große Klette', 'Bardana', 'Bardana', 'Bardana', NULL,
  'Niu Bang Zi', 'Asteraceae', 'Europa, Asia, norte de China', 'Fruto', 'Fruit',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Fruto de la bardana, picante, amargo y fr\''edo. Dispersa el viento-calor, beneficia la garganta y favorece la erupci\''f3n. Elimina el calor y las toxinas y reduce la inflamaci\''f3n.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicado en la diarrea por deficiencia del bazo y en los abscesos abiertos. Humedece los intestinos, por lo que puede producir heces blandas.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Viento-calor con tos, dolor e inflamaci\''f3n de garganta. Sarampi\''f3n con erupci\''f3n incompleta. Paperas, for\''fanculos y erisipela por calor t\''f3xico.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosis: 3-10 g en decocci\''f3n, triturado.\par Tostado para reducir su frialdad.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Burdock fruit, acrid, bitter and cold. Disperses wind-heat, benefits the throat and vents rashes. Clears heat and toxicity and reduces swelling.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Contraindicated in diarrhea from spleen deficiency and in open sores. It moistens the intestines and may cause loose stools.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosage: 3-10 g in decoction, crushed.\par Dry-fried to reduce its coldness.\par}',
  1, '0', 28, '900000090000', '09900000', '00090', 1, 3, NULL);

-- 29 Dan Dou Chi
INSERT INTO Plantas (Clave, Cod, EsFormula, Nom0, Nom1, Nom2, Nom3, Nom4, Nom5, Nom6, Nom7, Nom8, Nom9, Nom10,
  PinYin, Familia, Habitat, Parte, ParteIng, Descripcion, Floracion, Aplicacion, Administracion,
  DescripcionIng, FloracionIng, AdministracionIng, KEspecie, Toxicidad, Orden, Meridianos, Sabor,
  Energia, KClase, KSubClase, KFuente)
VALUES (29, NULL, 0, 'Semen Sojae Praeparatum', 'Glycine max (L.) Merr.', 'Soja negra fermentada', 'Prepared soybean',
  NULL, NULL, NULL, NULL, NULL, NULL, NULL,
  'Dan Dou Chi', 'Fabaceae', 'China', 'Semilla fermentada', 'Fermented seed',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Semilla de soja negra fermentada con otras hierbas, amarga, picante y fresca (o tibia, seg\''fan el proceso). Libera el exterior de forma suave y elimina la irritabilidad. Es un diafor\''e9tico muy ligero, \''fatil tanto en el viento-fr\''edo como en el viento-calor.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Usar con precauci\''f3n durante la lactancia, pues puede reducir la leche. Su acci\''f3n es suave y no basta en los s\''edndromes exteriores intensos.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Fiebre, escalofr\''edos y cefalea del s\''edndrome exterior leve. Irritabilidad, opresi\''f3n tor\''e1cica e insomnio por calor residual tras una enfermedad febril.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosis: 6-12 g en decocci\''f3n.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Black soybean fermented with other herbs, bitter, acrid and cool (or warm, depending on the process). Gently releases the exterior and relieves irritability. It is a very mild diaphoretic, useful in both wind-cold and wind-heat.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Use with care during breast-feeding, as it may reduce milk. Its action is mild and not sufficient in severe exterior patterns.\par}',
  '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}\viewkind4\uc1\pard\f0\fs20 Dosage: 6-12 g in decoction.\par}',
  1, NULL, 29, '900000090000', '09950000', '00900', 1, 3, NULL);

